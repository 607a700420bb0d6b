// GLUT's -display and -geometry options as the viewer reads them before glutInit.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Args {
    explicit Args(std::vector<std::string> words) : words_(std::move(words)) {
        for (std::string& w : words_) argv_.push_back(w.data());
    }
    int argc() const { return static_cast<int>(argv_.size()); }
    char** argv() { return argv_.data(); }

private:
    std::vector<std::string> words_;
    std::vector<char*> argv_;
};

TEST(CommandLine, GeometryGivesASizeOnlyWithWidthAndHeight) {
    const struct {
        std::vector<std::string> words;
        bool sizeGiven;
    } cases[] = {
        {{"orrery"}, false},
        {{"orrery", "-geometry", "+0+0"}, false},
        {{"orrery", "-geometry", "800x600"}, true},
        {{"orrery", "-geometry", "320x240+30+40"}, true},
        {{"orrery", "-geometry"}, false},  // no value
        {{"orrery", "-display", ":1"}, false},
    };
    for (const auto& c : cases) {
        Args args(c.words);
        EXPECT_EQ(GeometryGivesSize(args.argc(), args.argv()), c.sizeGiven) << c.words.back();
    }
}

TEST(CommandLine, DisplayComesFromTheEnvironmentOrTheDisplayOption) {
    Args bare({"orrery"});
    Args named({"orrery", "-display", ":7"});
    unsetenv("DISPLAY");
    EXPECT_FALSE(DisplayGiven(bare.argc(), bare.argv()));
    EXPECT_TRUE(DisplayGiven(named.argc(), named.argv()));
    setenv("DISPLAY", "", 1);
    EXPECT_FALSE(DisplayGiven(bare.argc(), bare.argv()));
    setenv("DISPLAY", ":3", 1);
    EXPECT_TRUE(DisplayGiven(bare.argc(), bare.argv()));
}

}  // namespace

// The command line as the viewer reads it before glutInit: its own --help and --version, GLUT's
// options and their values, and whatever it does not take.
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

TEST(CommandLine, HelpVersionOrTheFirstArgumentGlutDoesNotTakeDecides) {
    using R = CommandLineRequest;
    const struct {
        std::vector<std::string> words;
        R request;
        std::string named;  // in the problem line, for Misuse
    } cases[] = {
        {{"orrery"}, R::OpenWindow, ""},
        {{"orrery", "-display", ":1", "-geometry", "10x10", "-direct", "-iconic", "-gldebug",
          "-sync", "-indirect"},
         R::OpenWindow,
         ""},
        {{"orrery", "--help"}, R::Help, ""},
        {{"orrery", "-display", ":1", "--version"}, R::Version, ""},
        {{"orrery", "--help", "--bogus"}, R::Help, ""},
        {{"orrery", "-display", "--help"}, R::OpenWindow, ""},  // a value, not an option
        {{"orrery", "--bogus", "--help"}, R::Misuse, "'--bogus'"},
        {{"orrery", "-geometry", "10x10", "extra"}, R::Misuse, "'extra'"},
        {{"orrery", "-help"}, R::Misuse, "'-help'"},
        {{"orrery", "-Display", ":1"}, R::Misuse, "'-Display'"},  // GLUT's names are exact
        {{"orrery", ""}, R::Misuse, "''"},
        {{"orrery", "-iconic", "-display"}, R::Misuse, "-display needs a value"},
        {{"orrery", "-geometry"}, R::Misuse, "-geometry needs a value"},
    };
    for (const auto& c : cases) {
        Args args(c.words);
        const CommandLineReading reading = ReadCommandLine(args.argc(), args.argv());
        std::string words;
        for (const std::string& w : c.words) words += w + " ";
        EXPECT_EQ(reading.request, c.request) << words;
        if (c.request != R::Misuse) continue;
        EXPECT_NE(reading.problem.find(c.named), std::string::npos) << words << reading.problem;
        EXPECT_EQ(reading.problem.find('\n'), std::string::npos) << "one line: " << reading.problem;
    }
}

TEST(CommandLine, GeometryGivesASizeOnlyWithWidthAndHeight) {
    const struct {
        std::vector<std::string> words;
        bool sizeGiven;
    } cases[] = {
        {{"orrery"}, false},
        {{"orrery", "-geometry", "+0+0"}, false},
        {{"orrery", "-geometry", "800x600"}, true},
        {{"orrery", "-geometry", "320x240+30+40"}, true},
        {{"orrery", "-geometry", "=640X480-0-0"}, true},
        {{"orrery", "-geometry", "800x"}, false},
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

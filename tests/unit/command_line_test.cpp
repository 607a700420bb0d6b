// The command line as the viewer reads it before glutInit: its own --help and --version, GLUT's
// options and their values, and whatever it does not take.
#include "app/command_line.h"

#include <gtest/gtest.h>

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
        std::string named;  // in the problem line, for kMisuse
    } cases[] = {
        {{"orrery"}, R::kOpenWindow, ""},
        {{"orrery", "-display", ":1", "-geometry", "10x10", "-direct", "-iconic", "-gldebug",
          "-sync", "-direct"},
         R::kOpenWindow,
         ""},
        {{"orrery", "--help"}, R::kHelp, ""},
        {{"orrery", "-display", ":1", "--version"}, R::kVersion, ""},
        {{"orrery", "--help", "--bogus"}, R::kHelp, ""},
        {{"orrery", "-display", "--help"}, R::kOpenWindow, ""},  // a value, not an option
        {{"orrery", "--bogus", "--help"}, R::kMisuse, "'--bogus'"},
        {{"orrery", "-geometry", "10x10", "extra"}, R::kMisuse, "'extra'"},
        {{"orrery", "-help"}, R::kMisuse, "'-help'"},
        {{"orrery", "-Display", ":1"}, R::kMisuse, "'-Display'"},  // GLUT's names are exact
        {{"orrery", ""}, R::kMisuse, "''"},
        {{"orrery", "-iconic", "-display"}, R::kMisuse, "-display needs a value"},
        {{"orrery", "-geometry"}, R::kMisuse, "-geometry needs a value"},
        {{"orrery", "-geometry", "0x0", "--help"}, R::kMisuse, "'0x0'"},
        {{"orrery", "-indirect", "-iconic", "-direct"}, R::kMisuse, "-direct and -indirect"},
    };
    for (const auto& c : cases) {
        Args args(c.words);
        const CommandLineReading reading = ReadCommandLine(args.argc(), args.argv());
        std::string words;
        for (const std::string& w : c.words) words += w + " ";
        EXPECT_EQ(reading.request, c.request) << words;
        if (c.request != R::kMisuse) continue;
        EXPECT_NE(reading.problem.find(c.named), std::string::npos) << words << reading.problem;
        EXPECT_EQ(reading.problem.find('\n'), std::string::npos) << "one line: " << reading.problem;
    }
}

TEST(CommandLine, GeometryTakesSizesFrom1To16384AndPositionsAsXReadsThem) {
    const struct {
        std::string geometry;
        bool taken, sizeGiven;
    } cases[] = {
        {"+0+0", true, false},        {"-5-0", true, false},
        {"800x600", true, true},      {"320x240+30+40", true, true},
        {"=640X480-0-0", true, true}, {"1x16384", true, true},
        {"0016384x1", true, true},    {"0x0", false, false},
        {"100x0", false, false},      {"16385x20", false, false},
        {"32768x10", false, false},   {"99999999999x5", false, false},
        {"-5x-5", false, false},      {"800x", false, false},
        {"x600", false, false},       {"800x600+1", false, false},
        {"800x600+1+", false, false}, {"800x600 ", false, false},
        {"+10x+10", false, false},    {"", false, false},
        {"=", false, false},
    };
    for (const auto& c : cases) {
        Args args({"orrery", "-geometry", c.geometry});
        const CommandLineReading reading = ReadCommandLine(args.argc(), args.argv());
        EXPECT_EQ(reading.request == CommandLineRequest::kOpenWindow, c.taken) << c.geometry;
        EXPECT_EQ(reading.windowSizeGiven, c.sizeGiven) << c.geometry;
        if (c.taken) continue;
        EXPECT_NE(reading.problem.find("-geometry '" + c.geometry + "'"), std::string::npos)
            << reading.problem;
        EXPECT_NE(reading.problem.find("1 to 16384"), std::string::npos) << reading.problem;
    }
    // GLUT takes the last -geometry; each must be good.
    Args sizeThenPosition({"orrery", "-geometry", "800x600", "-geometry", "+0+0"});
    EXPECT_FALSE(ReadCommandLine(sizeThenPosition.argc(), sizeThenPosition.argv()).windowSizeGiven);
    Args badThenGood({"orrery", "-geometry", "0x0", "-geometry", "800x600"});
    EXPECT_EQ(ReadCommandLine(badThenGood.argc(), badThenGood.argv()).request,
              CommandLineRequest::kMisuse);
    // The window system is handed what GLUT takes: the last -display and -geometry, -indirect.
    Args twice({"orrery", "-display", ":1", "-indirect", "-geometry", "8x6", "-display", ":2",
                "-geometry", "+5+5"});
    const WindowOptions w = ReadCommandLine(twice.argc(), twice.argv()).window;
    EXPECT_EQ(std::string(w.display) + " " + w.geometry + " " + std::to_string(w.indirect),
              ":2 +5+5 1");
}

}  // namespace

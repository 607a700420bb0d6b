// The command line, read before glutInit consumes GLUT's own options.
#include "app/command_line.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/version.h"
#include "platform/window_system.h"

namespace {

struct GlutOption {
    const char* name;
    bool takesValue;
};

// Every option freeglut's glutInit takes from the command line.
constexpr GlutOption kGlutOptions[] = {
    {"-display", true}, {"-geometry", true}, {"-direct", false}, {"-indirect", false},
    {"-iconic", false}, {"-gldebug", false}, {"-sync", false},
};

constexpr int kExitMisuse = 2;
constexpr const char* kDigits = "0123456789";

void PrintUsage(std::FILE* stream) {
    const GlutOptionsHelp help = WindowSystemOptionsHelp();
    std::fprintf(stream, Translated(R"(Usage: orrery%s
       orrery --help | --version
Shows the Sun and nine planets turning in one OpenGL window.

  --help              print this help and exit
  --version           print the version and exit
%s)"),
                 help.synopsis, help.options);
}

void PrintControls() {
    // TRANSLATORS: 행성하나씩 보기 is the menu's own label, the same in every language.
    std::fputs(Translated(R"(
Controls:
  right button        menu: 행성하나씩 보기 > Sun ... Pluto shows that body close up
                      (Up/Down, Right or Enter, Left and Escape work in the menu)
  Shift+F10           the menu from the keyboard, at the window's centre
  a / s / d           overview from above / from the side / as at start-up
  arrow keys          turn the overview 5 degrees per press
  left-button drag    turn the overview 4 degrees per pointer motion
Close the window to quit.
)"),
               stdout);
}

// `format`, a message of the catalogue, with its values filled in.
template <typename... Values>
std::string Filled(const char* format, Values... values) {
    const int length = std::snprintf(nullptr, 0, format, values...);
    std::string line(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    std::snprintf(line.data(), line.size(), format, values...);
    line.pop_back();
    return line;
}

const GlutOption* FindGlutOption(const char* argument) {
    for (const GlutOption& option : kGlutOptions) {
        if (std::strcmp(option.name, argument) == 0) return &option;
    }
    return nullptr;
}

CommandLineReading Misuse(const std::string& problem) {
    return {CommandLineRequest::kMisuse, "orrery: " + problem, false, {}};
}

std::string BadGeometry(const char* value) {
    return Filled(Translated("bad -geometry '%s': it takes WxH, +X+Y or WxH+X+Y, the width and "
                             "height whole numbers from 1 to %d"),
                  value, kMaxWindowSidePx);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The whole number whose digits start at `p`, or -1 when none do; anything above
// kMaxWindowSidePx reads as kMaxWindowSidePx + 1. Moves `p` past the digits.
int ReadSide(const char*& p) {
    if (!IsDigit(*p)) return -1;
    int side = 0;
    for (; IsDigit(*p); ++p) side = std::min(side * 10 + (*p - '0'), kMaxWindowSidePx + 1);
    return side;
}

bool SideTaken(int side) { return side >= 1 && side <= kMaxWindowSidePx; }

// A position, {+-}<x>{+-}<y>, each offset a sign and at least one digit. Moves `p` past it.
bool SkipPosition(const char*& p) {
    for (int offset = 0; offset < 2; ++offset) {
        if (*p != '+' && *p != '-') return false;
        const std::size_t digits = std::strspn(++p, kDigits);
        if (digits == 0) return false;
        p += digits;
    }
    return true;
}

// X geometry, [=][<width>{xX}<height>][{+-}<x>{+-}<y>], as GLUT reads it: whether it gives a
// size, or nothing when it is malformed, empty or gives a size the program does not take.
std::optional<bool> GeometryGivesSize(const char* geometry) {
    const char* p = geometry + (*geometry == '=' ? 1 : 0);
    const bool givesSize = IsDigit(*p);
    if (givesSize) {
        const int width = ReadSide(p);
        if (*p != 'x' && *p != 'X') return std::nullopt;
        const int height = ReadSide(++p);
        if (!SideTaken(width) || !SideTaken(height)) return std::nullopt;
    } else if (*p == '\0') {
        return std::nullopt;
    }
    const bool placed = *p == '\0' || SkipPosition(p);
    if (!placed || *p != '\0') return std::nullopt;
    return givesSize;
}

}  // namespace

CommandLineReading ReadCommandLine(int argc, char** argv) {
    CommandLineReading reading;
    bool direct = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help") return {CommandLineRequest::kHelp, "", false, {}};
        if (argument == "--version") return {CommandLineRequest::kVersion, "", false, {}};
        const GlutOption* option = FindGlutOption(argv[i]);
        if (option == nullptr)
            return Misuse(Filled(Translated("unknown argument '%s'"), argument.c_str()));
        direct = direct || argument == "-direct";
        reading.window.indirect = reading.window.indirect || argument == "-indirect";
        if (direct && reading.window.indirect)
            return Misuse(Translated("-direct and -indirect cannot be given together"));
        if (!option->takesValue) continue;
        if (i + 1 == argc)
            return Misuse(Filled(Translated("option %s needs a value"), argument.c_str()));
        const char* value = argv[++i];
        if (argument == "-display") reading.window.display = value;
        if (argument != "-geometry") continue;
        const std::optional<bool> givesSize = GeometryGivesSize(value);
        if (!givesSize) return Misuse(BadGeometry(value));
        reading.windowSizeGiven = *givesSize;
        reading.window.geometry = value;
    }
    return reading;
}

std::optional<int> AnswerCommandLine(const CommandLineReading& reading) {
    switch (reading.request) {
    case CommandLineRequest::kOpenWindow: return std::nullopt;
    case CommandLineRequest::kHelp:
        PrintUsage(stdout);
        PrintControls();
        return EXIT_SUCCESS;
    case CommandLineRequest::kVersion:
        std::printf("orrery %s\n", kOrreryVersion);
        return EXIT_SUCCESS;
    case CommandLineRequest::kMisuse:
        std::fprintf(stderr, "%s\n", reading.problem.c_str());
        PrintUsage(stderr);
        return kExitMisuse;
    }
    return std::nullopt;
}

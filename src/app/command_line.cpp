// The command line, read before glutInit consumes GLUT's own options.
#include "app/command_line.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/version.h"

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

constexpr const char* kUsage =
    R"(Usage: orrery [-display DISPLAY] [-geometry WxH+X+Y] [other GLUT options]
       orrery --help | --version
Shows the Sun and nine planets turning in one OpenGL window.

  --help              print this help and exit
  --version           print the version and exit
  -display DISPLAY    open the window on this X display (default: $DISPLAY)
  -geometry WxH+X+Y   window size and position (default: 1000x1000)
  -iconic             start iconified
  -direct, -indirect  insist on a direct or an indirect OpenGL context
  -sync               make X calls synchronous (for debugging)
  -gldebug            report OpenGL errors on stderr
)";

constexpr const char* kControls = R"(
Controls:
  right button        menu: 행성하나씩 보기 > Sun ... Pluto shows that body close up
                      (Up/Down, Right or Enter, Left and Escape work in the menu)
  a / s / d           overview from above / from the side / as at start-up
  arrow keys          turn the overview 5 degrees per press
  left-button drag    turn the overview 4 degrees per pointer motion
Close the window to quit.
)";

const GlutOption* FindGlutOption(const char* argument) {
    for (const GlutOption& option : kGlutOptions) {
        if (std::strcmp(option.name, argument) == 0) return &option;
    }
    return nullptr;
}

CommandLineReading Misuse(const std::string& problem) {
    return {CommandLineRequest::Misuse, "orrery: " + problem};
}

// The value after `option`, or nullptr.
const char* OptionValue(int argc, char** argv, const char* option) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0) return argv[i + 1];
    }
    return nullptr;
}

}  // namespace

CommandLineReading ReadCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help") return {CommandLineRequest::Help, ""};
        if (argument == "--version") return {CommandLineRequest::Version, ""};
        const GlutOption* option = FindGlutOption(argv[i]);
        if (option == nullptr) return Misuse("unknown argument '" + argument + "'");
        if (!option->takesValue) continue;
        if (i + 1 == argc) return Misuse("option " + argument + " needs a value");
        ++i;
    }
    return {};
}

std::optional<int> AnswerCommandLine(const CommandLineReading& reading) {
    switch (reading.request) {
    case CommandLineRequest::OpenWindow: return std::nullopt;
    case CommandLineRequest::Help: std::printf("%s%s", kUsage, kControls); return EXIT_SUCCESS;
    case CommandLineRequest::Version:
        std::printf("orrery %s\n", kOrreryVersion);
        return EXIT_SUCCESS;
    case CommandLineRequest::Misuse:
        std::fprintf(stderr, "%s\n%s", reading.problem.c_str(), kUsage);
        return kExitMisuse;
    }
    return std::nullopt;
}

bool DisplayGiven(int argc, char** argv) {
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr && *display != '\0') return true;
    return OptionValue(argc, argv, "-display") != nullptr;
}

bool GeometryGivesSize(int argc, char** argv) {
    const char* geometry = OptionValue(argc, argv, "-geometry");
    if (geometry == nullptr) return false;
    // X geometry reads [=][<width>{xX}<height>][{+-}<x>{+-}<y>]: a size is both numbers.
    const char* p = geometry + (*geometry == '=' ? 1 : 0);
    const std::size_t width = std::strspn(p, kDigits);
    if (width == 0 || (p[width] != 'x' && p[width] != 'X')) return false;
    return std::strspn(p + width + 1, kDigits) > 0;
}

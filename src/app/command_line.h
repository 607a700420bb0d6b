// The command line, read before glutInit consumes GLUT's own options.
#pragma once

#include <optional>
#include <string>

#include "platform/window_system.h"

// What the arguments ask of the program besides GLUT's options.
enum class CommandLineRequest { kOpenWindow, kHelp, kVersion, kMisuse };

struct CommandLineReading {
    CommandLineRequest request = CommandLineRequest::kOpenWindow;
    std::string problem;           // for kMisuse: one line naming the offending argument
    bool windowSizeGiven = false;  // the -geometry that GLUT takes (the last) gives a size
    WindowOptions window;          // pointing into the arguments
};

// Reads the arguments in order: --help, --version or the first argument GLUT does not take
// decides; GLUT's options and their values pass. A -geometry value must read
// [=][WxH][{+-}X{+-}Y] with a width and height from 1 to kMaxWindowSidePx, and -direct and
// -indirect exclude each other.
CommandLineReading ReadCommandLine(int argc, char** argv);

// The largest window side taken: the largest viewport current GL drivers promise.
inline constexpr int kMaxWindowSidePx = 16384;

// Answers a request other than kOpenWindow (prints the help, the version or the problem) and
// returns the process's exit status; returns nothing when the window is to open.
std::optional<int> AnswerCommandLine(const CommandLineReading& reading);

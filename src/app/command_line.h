// The command line, read before glutInit consumes GLUT's own options.
#pragma once

#include <optional>
#include <string>

// What the arguments ask of the program besides GLUT's options.
enum class CommandLineRequest { OpenWindow, Help, Version, Misuse };

struct CommandLineReading {
    CommandLineRequest request = CommandLineRequest::OpenWindow;
    std::string problem;  // for Misuse: one line naming the offending argument
};

// Reads the arguments in order: --help, --version or the first argument GLUT does not take
// decides; GLUT's options and their values pass.
CommandLineReading ReadCommandLine(int argc, char** argv);

// Prints what a request other than OpenWindow asks for and gives the process's exit status;
// gives nothing when the window is to open.
std::optional<int> AnswerCommandLine(const CommandLineReading& reading);

// Whether DISPLAY is set or -display names a server.
bool DisplayGiven(int argc, char** argv);

// Whether -geometry gives a window size (it may give only a position, as in +0+0).
bool GeometryGivesSize(int argc, char** argv);

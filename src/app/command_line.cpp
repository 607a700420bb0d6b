// What GLUT's own command-line options ask for, read before glutInit consumes them.
#include "app/command_line.h"

#include <X11/Xutil.h>

#include <cstdlib>
#include <cstring>

namespace {

// The value after `option`, or nullptr.
const char* OptionValue(int argc, char** argv, const char* option) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0) return argv[i + 1];
    }
    return nullptr;
}

}  // namespace

bool DisplayGiven(int argc, char** argv) {
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr && *display != '\0') return true;
    return OptionValue(argc, argv, "-display") != nullptr;
}

bool GeometryGivesSize(int argc, char** argv) {
    const char* geometry = OptionValue(argc, argv, "-geometry");
    if (geometry == nullptr) return false;
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
    const int given = XParseGeometry(geometry, &x, &y, &width, &height);
    return (given & WidthValue) != 0 && (given & HeightValue) != 0;
}

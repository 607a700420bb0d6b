// Before glutInit: whether the X display named can take the window, and the first window's size.
#include <cstdlib>
#include <cstring>

#include "platform/window_system.h"

namespace {

// Where GLUT finds `option` last among its options (the values of -display and -geometry are
// not options), or 0. The arguments are well formed by now.
int LastGlutOption(int argc, char** argv, const char* option) {
    int found = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0) found = i;
        if (std::strcmp(argv[i], "-display") == 0 || std::strcmp(argv[i], "-geometry") == 0) ++i;
    }
    return found;
}

// The value GLUT takes for -display or -geometry, or null.
const char* GlutOptionValue(int argc, char** argv, const char* option) {
    const int i = LastGlutOption(argc, argv, option);
    return i > 0 && i + 1 < argc ? argv[i + 1] : nullptr;
}

}  // namespace

const char* NoWindowSystemReason(int argc, char** argv) {
    // freeglut would report an unset DISPLAY as "failed to open display ''", which names nothing.
    const char* named = GlutOptionValue(argc, argv, "-display");
    const char* environment = std::getenv("DISPLAY");
    if (named == nullptr && (environment == nullptr || *environment == '\0'))
        return "orrery: no X display: DISPLAY is not set (set it, or pass -display HOST:N)";
    return nullptr;
}

int FirstWindowSidePx(int /*argc*/, char** /*argv*/, int sidePx) { return sidePx; }

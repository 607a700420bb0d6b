// What the program says when the X server refuses it: one line naming what failed and what to
// do, and exit status 1, never Xlib's raw report.
#include "platform/x11/x11_failures.h"

#include <GL/glx.h>

#include <cstdio>
#include <cstdlib>

#include "platform/window_system.h"

namespace {

bool refused = false;

int NoteRefusal(Display* /*display*/, XErrorEvent* /*error*/) {
    refused = true;
    return 0;
}

// Ends the process at once: exit handlers would talk to the server again and fail once more.
[[noreturn]] void EndWith(const char* line) {
    std::fprintf(stderr, "orrery: %s\n", line);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

int ReportRefusal(Display* display, XErrorEvent* error) {
    if (error->error_code == BadAlloc) {
        EndWith(
            Translated("the X server has no memory left for the window (BadAlloc): close other "
                       "programs, or ask for a smaller one with -geometry WxH"));
    }
    char text[160] = "";
    XGetErrorText(display, error->error_code, text, sizeof text);
    char line[800];
    std::snprintf(line, sizeof line,
                  Translated("the X server %s refused request %d.%d (%s): start orrery again "
                             "with LIBGL_ALWAYS_SOFTWARE=1, or without -direct or -sync; the "
                             "server's log may say more"),
                  DisplayString(display), error->request_code, error->minor_code, text);
    EndWith(line);
}

int ReportLostConnection(Display* display) {
    char line[600];
    std::snprintf(line, sizeof line,
                  Translated("lost the connection to the X server %s: start orrery again once "
                             "it runs"),
                  DisplayString(display));
    EndWith(line);
}

}  // namespace

bool IndirectGlAllowed(Display* display) {
    const int attributes[] = {GLX_RENDER_TYPE, GLX_RGBA_BIT, None};
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), attributes, &count);
    if (configs == nullptr) return true;  // glutCreateWindow names what the server lacks
    refused = false;
    const XErrorHandler previous = XSetErrorHandler(NoteRefusal);
    const GLXContext context =
        glXCreateNewContext(display, configs[0], GLX_RGBA_TYPE, nullptr, False);
    XSync(display, False);
    XSetErrorHandler(previous);
    if (context != nullptr) glXDestroyContext(display, context);
    XFree(configs);
    return context != nullptr && !refused;
}

void InstallWindowSystemErrorHandlers() {
    XSetErrorHandler(ReportRefusal);
    XSetIOErrorHandler(ReportLostConnection);
}

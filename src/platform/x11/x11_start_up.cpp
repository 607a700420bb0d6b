// Before glutInit: whether the X display named can take the window, and the first window's size.
#include <X11/Xutil.h>

#include <cstdlib>
#include <utility>

#include "geometry/geometry.h"
#include "platform/window_system.h"
#include "platform/x11/x11_failures.h"
#include "platform/x11/x11_screen.h"

namespace {

// Where the window opens: at the corner -geometry places, else where the pointer is.
std::pair<int, int> OpeningPoint(Display* display, const char* geometry) {
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
    const int given = geometry != nullptr ? XParseGeometry(geometry, &x, &y, &width, &height) : 0;
    if ((given & XValue) != 0 && (given & YValue) != 0) {
        const Rect screen = ScreenRect(display);
        return {(given & XNegative) != 0 ? screen.width + x - 1 : x,
                (given & YNegative) != 0 ? screen.height + y - 1 : y};
    }
    Window root = 0;
    Window child = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned buttons = 0;
    XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &windowX, &windowY,
                  &buttons);
    return {x, y};
}

// Whether the environment variable holds something: set but empty names nothing.
bool IsSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

}  // namespace

GlutOptionsHelp WindowSystemOptionsHelp() {
    return {
        Translated(" [-display DISPLAY] [-geometry WxH+X+Y] [other GLUT options]"),
        Translated(R"(  -display DISPLAY    open the window on this X display (default: $DISPLAY)
  -geometry WxH+X+Y   window size (1 to 16384 each) and position
                      (default: 1000x1000, or the largest square the screen holds)
  -iconic             start iconified
  -direct, -indirect  insist on a direct or an indirect OpenGL context
  -sync               make X calls synchronous (for debugging)
  -gldebug            report OpenGL errors on stderr
)")};
}

const char* NoWindowSystemReason(const WindowOptions& options) {
    // freeglut would report an unset DISPLAY as "failed to open display ''", which names nothing.
    if (options.display == nullptr && !IsSet("DISPLAY")) {
        // A Wayland compositor's programs find it in WAYLAND_DISPLAY; XWayland would set DISPLAY.
        if (IsSet("WAYLAND_DISPLAY")) {
            return Translated(
                "orrery: no X display: this is a Wayland session without XWayland (DISPLAY is "
                "not set): turn XWayland on in the desktop's settings, or log in to an X11 "
                "session");
        }
        return Translated(
            "orrery: no X display: DISPLAY is not set (set it, or pass -display HOST:N)");
    }
    if (options.indirect) {
        // A display that does not open is glutInit's to report.
        Display* display = XOpenDisplay(options.display);
        const bool allowed = display == nullptr || IndirectGlAllowed(display);
        if (display != nullptr) XCloseDisplay(display);
        if (!allowed) {
            return Translated(
                "orrery: the X server does not allow indirect OpenGL (-indirect): leave out "
                "-indirect, or start the X server with +iglx");
        }
    }
    return nullptr;
}

// X11 scales nothing itself: desktops at 200 % set Xft.dpi to 192, which the menu's font follows
// too, so the window grows by the same factor.
int FirstWindowSidePx(const WindowOptions& options, int sidePx) {
    Display* display = XOpenDisplay(options.display);
    if (display == nullptr) return sidePx;  // glutInit reports it
    const int scaled = ScaledSidePx(sidePx, ScreenDpi(XGetDefault(display, "Xft", "dpi")));
    const auto [x, y] = OpeningPoint(display, options.geometry);
    const Rect monitor = MonitorAt(Monitors(display), x, y, ScreenRect(display));
    Rect area = Intersection(WorkArea(display), monitor);
    if (area.width == 0 || area.height == 0) area = monitor;
    const int side = FittedSize(area, NewWindowFrame(display), {scaled, scaled}).width;
    XCloseDisplay(display);
    return side;
}

// The X screen as windows are placed on it: its size, its monitors, the window manager's work
// area and the frame it puts around a new window.
#include "platform/x11/x11_screen.h"

#include <X11/Xatom.h>
#include <X11/extensions/Xrandr.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

namespace {

// A window manager answers at once; this only bounds the wait for one that never does.
constexpr auto kFrameAnswerTimeout = std::chrono::milliseconds(500);

// The 32-bit items of a root or client window property of `type`, empty when it is not set.
std::vector<long> Property32(Display* display, Window window, const char* name, Atom type) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::vector<long> items;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False, type,
                           &actualType, &format, &count, &remaining, &data) == Success &&
        actualType == type && format == 32) {
        const auto* values = reinterpret_cast<const long*>(data);
        items.assign(values, values + count);
    }
    if (data != nullptr) XFree(data);
    return items;
}

bool WindowManagerSupports(Display* display, const char* hint) {
    const std::vector<long> supported =
        Property32(display, DefaultRootWindow(display), "_NET_SUPPORTED", XA_ATOM);
    const auto atom = static_cast<long>(XInternAtom(display, hint, False));
    return std::find(supported.begin(), supported.end(), atom) != supported.end();
}

// Waits until `window` reports a change of property `atom`, at most until `deadline`.
bool WaitForPropertyChange(Display* display, Window window, Atom atom,
                           std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        XEvent event{};
        while (XCheckTypedWindowEvent(display, window, PropertyNotify, &event) != 0) {
            if (event.xproperty.atom == atom) return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(left.count()));
    }
}

}  // namespace

Rect ScreenRect(Display* display) {
    Window root = 0;
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned border = 0;
    unsigned depth = 0;
    XGetGeometry(display, DefaultRootWindow(display), &root, &x, &y, &width, &height, &border,
                 &depth);
    return {0, 0, static_cast<int>(width), static_cast<int>(height)};
}

std::vector<Rect> Monitors(Display* display) {
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (XRRQueryExtension(display, &eventBase, &errorBase) == 0 ||
        XRRQueryVersion(display, &major, &minor) == 0 || major * 100 + minor < 105)
        return {};
    int count = 0;
    XRRMonitorInfo* listed = XRRGetMonitors(display, DefaultRootWindow(display), True, &count);
    std::vector<Rect> monitors;
    monitors.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        monitors.push_back({listed[i].x, listed[i].y, listed[i].width, listed[i].height});
    if (listed != nullptr) XRRFreeMonitors(listed);
    return monitors;
}

Rect WorkArea(Display* display) {
    const Window root = DefaultRootWindow(display);
    const std::vector<long> areas = Property32(display, root, "_NET_WORKAREA", XA_CARDINAL);
    const std::vector<long> desktop =
        Property32(display, root, "_NET_CURRENT_DESKTOP", XA_CARDINAL);
    const std::size_t first = 4 * static_cast<std::size_t>(desktop.empty() ? 0 : desktop[0]);
    if (first + 4 > areas.size()) return ScreenRect(display);
    return {static_cast<int>(areas[first]), static_cast<int>(areas[first + 1]),
            static_cast<int>(areas[first + 2]), static_cast<int>(areas[first + 3])};
}

FrameExtents NewWindowFrame(Display* display) {
    if (!WindowManagerSupports(display, "_NET_REQUEST_FRAME_EXTENTS")) return {};
    const Window root = DefaultRootWindow(display);
    XSetWindowAttributes attributes{};
    attributes.event_mask = PropertyChangeMask;
    // An unmapped stand-in for the window to come: a plain top-level window like GLUT's.
    const Window probe = XCreateWindow(display, root, 0, 0, 1, 1, 0, CopyFromParent, InputOutput,
                                       CopyFromParent, CWEventMask, &attributes);
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = probe;
    request.xclient.message_type = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", False);
    request.xclient.format = 32;
    XSendEvent(display, root, False, SubstructureNotifyMask | SubstructureRedirectMask, &request);
    const Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
    FrameExtents frame;
    if (WaitForPropertyChange(display, probe, extents,
                              std::chrono::steady_clock::now() + kFrameAnswerTimeout)) {
        const std::vector<long> sides =
            Property32(display, probe, "_NET_FRAME_EXTENTS", XA_CARDINAL);
        if (sides.size() == 4) {
            frame = {static_cast<int>(sides[0]), static_cast<int>(sides[1]),
                     static_cast<int>(sides[2]), static_cast<int>(sides[3])};
        }
    }
    XDestroyWindow(display, probe);
    return frame;
}

// A null text leaves `end` equal to it, as an unreadable one does.
double ScreenDpi(const char* xftDpi) {
    char* end = nullptr;
    const double given = xftDpi != nullptr ? std::strtod(xftDpi, &end) : 0.0;
    return end != xftDpi && std::isfinite(given) && given > 0.0 ? given : kUnscaledDpi;
}

// Times the real executable from a right-button press until its menu is on screen, drawn.
#include "menu_probe.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <poll.h>

#include <chrono>

#include "orrery_driver.h"
#include "xvfb_server.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kMenuDeadline = std::chrono::seconds(10);
constexpr int kPollMs = 10;
constexpr unsigned kRightButton = 3;

// The next override-redirect window mapped on the screen, or 0 when none comes in time.
Window WaitForMappedMenu(Display* x) {
    const Clock::time_point deadline = Clock::now() + kMenuDeadline;
    while (Clock::now() < deadline) {
        while (XPending(x) > 0) {
            XEvent event{};
            XNextEvent(x, &event);
            if (event.type == MapNotify && event.xmap.override_redirect) return event.xmap.window;
        }
        pollfd connection{ConnectionNumber(x), POLLIN, 0};
        poll(&connection, 1, kPollMs);
    }
    return 0;
}

// Text shows as colours other than the menu's own background.
bool ShowsText(const Picture& menu) {
    const Box& v = menu.visible();
    if (v.width < 8 || v.height < 8) return false;
    const Rgb8 background = menu.At(v.x + 3, v.y + 3);
    bool text = false;
    menu.ForEachPixel([&](int, int, Rgb8 c) { text = text || !NearColour(c, background, 96); });
    return text;
}

}  // namespace

std::vector<double> MeasureMenuOpenings(const char* executable, int runs) {
    const XvfbServer server;
    OrreryDriver app(executable, server.display());
    std::vector<double> seconds;
    if (!app.WaitForFreshFrames(2)) return seconds;
    Display* x = XOpenDisplay(server.display().c_str());
    if (x == nullptr) return seconds;
    XSelectInput(x, DefaultRootWindow(x), SubstructureNotifyMask);
    const Box g = app.Geometry(app.window());
    XTestFakeMotionEvent(x, DefaultScreen(x), g.x + g.width / 2, g.y + g.height / 2, CurrentTime);
    for (int run = 0; run < runs; ++run) {
        XSync(x, True);  // earlier maps and unmaps
        const Clock::time_point press = Clock::now();
        XTestFakeButtonEvent(x, kRightButton, True, CurrentTime);
        XFlush(x);
        const Window menu = WaitForMappedMenu(x);
        if (menu == 0 || !ShowsText(app.Grab(menu))) break;
        seconds.push_back(std::chrono::duration<double>(Clock::now() - press).count());
        XTestFakeButtonEvent(x, kRightButton, False, CurrentTime);
        XSync(x, False);
        app.TypeKey(XK_Escape);
        if (!PollUntil([&] { return app.ShownMenus().empty(); })) break;
    }
    XCloseDisplay(x);
    return seconds;
}

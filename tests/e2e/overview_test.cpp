// The overview of the running program as a person sees it: start-up, the first window on a small
// screen, preset keys, arrows, drags.
#include <X11/Xatom.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <thread>
#include <tuple>

#include "e2e_fixture.h"
#include "openbox_session.h"
#include "scene_probes.h"

namespace {

constexpr int kWindowPx = 1000;
constexpr int kMinMovedPlanetPixels = 20;  // more than a star changing colour could account for
constexpr int kUranus = 6;
constexpr double kUranusStepDeg = 0.2;
constexpr double kMinWatchedDeg = 1.0;  // five steps: more than reading the disc's centre can err
constexpr auto kWatchTime = std::chrono::seconds(2);
// Steps the program may make after the server has hidden or shown the window and before it
// hears of it, and the step a read may catch between being made and being drawn, at each end.
constexpr int kMarginSteps = 3;
using Clock = std::chrono::steady_clock;

class Overview : public RunningOrrery {};

TEST_F(Overview, StartsWithTheTitledWindowAndTheSunAmongMovingPlanets) {
    EXPECT_EQ(startUpOutput(), kStartUpOutput);
    const Box window = app().Geometry(app().window());
    EXPECT_EQ(window.width, kWindowPx);
    EXPECT_EQ(window.height, kWindowPx);
    EXPECT_EQ(app().Property("_NET_WM_NAME").first, "UTF8_STRING");
    for (const char* name : {"_NET_WM_NAME", "_NET_WM_ICON_NAME", "WM_NAME", "WM_ICON_NAME"})
        EXPECT_EQ(app().TextProperty(name), "Vornak Telqui의 태양계") << name;
    EXPECT_EQ(PollProbe(app(), SunAtCentre), "");
    EXPECT_EQ(GridFindings(15.01, 340.0), "");
    const Picture first = app().Grab();
    EXPECT_TRUE(PollUntil([&] {
        return MovedPlanetPixels(first, app().Grab()) >= kMinMovedPlanetPixels;
    })) << "the planets do not move";
    EXPECT_EQ(app().Console(), kStartUpOutput) << "nothing but the first size change is logged";
}

// The 32-bit items of a CARDINAL property, empty when it is not set.
std::vector<long> Cardinals(Display* x, Window w, const char* name) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, remaining = 0;
    unsigned char* data = nullptr;
    std::vector<long> values;
    if (XGetWindowProperty(x, w, XInternAtom(x, name, False), 0, 64, False, XA_CARDINAL, &type,
                           &format, &items, &remaining, &data) == Success &&
        format == 32) {
        values.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + items);
    }
    if (data != nullptr) XFree(data);
    return values;
}

// A dock along the bottom of the screen, as a desktop's panel, which the work area leaves out.
void MapBottomPanel(Display* x, int width, int height, int panelPx) {
    const Window panel =
        XCreateSimpleWindow(x, DefaultRootWindow(x), 0, height - panelPx, width, panelPx, 0, 0, 0);
    const auto dock = static_cast<long>(XInternAtom(x, "_NET_WM_WINDOW_TYPE_DOCK", False));
    XChangeProperty(x, panel, XInternAtom(x, "_NET_WM_WINDOW_TYPE", False), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&dock), 1);
    const long strut[12] = {0, 0, 0, panelPx, 0, 0, 0, 0, 0, 0, 0, width - 1};  // bottom edge
    XChangeProperty(x, panel, XInternAtom(x, "_NET_WM_STRUT_PARTIAL", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(strut), 12);
    XMapWindow(x, panel);
    XSync(x, False);
}

// On the usual 1280 x 1024 screen the window is 1000 x 1000 (the Overview cases); on a 1366 x 768
// one under a window manager, with a panel, it is the largest square the work area holds with
// the window manager's frame around it, and the view is whole in it.
TEST(FirstWindow, OnASmallScreenIsTheLargestSquareTheWorkAreaHoldsWithItsFrame) {
    constexpr int kWidth = 1366, kHeight = 768, kPanelPx = 40;
    XvfbServer server(kWidth, kHeight);
    Display* x = XOpenDisplay(server.display().c_str());
    ASSERT_NE(x, nullptr);
    MapBottomPanel(x, kWidth, kHeight, kPanelPx);  // before openbox, which reads it as it starts
    const OpenboxSession openbox(server.display());
    std::vector<long> area;
    ASSERT_TRUE(PollUntil([&] {
        area = Cardinals(x, DefaultRootWindow(x), "_NET_WORKAREA");
        return area.size() >= 4 && area[3] == kHeight - kPanelPx;
    })) << "the window manager leaves the panel in the work area";

    OrreryDriver app(ORRERY_EXECUTABLE, server.display());
    std::vector<long> frame;  // left, right, top, bottom
    ASSERT_TRUE(PollUntil(
        [&] { return (frame = Cardinals(x, app.window(), "_NET_FRAME_EXTENTS")).size() == 4; }));
    const Box w = app.Geometry(app.window());
    const Box framed{w.x - int(frame[0]), w.y - int(frame[2]), w.width + int(frame[0] + frame[1]),
                     w.height + int(frame[2] + frame[3])};
    EXPECT_EQ(w.width, w.height) << "square";
    EXPECT_TRUE(framed.x >= area[0] && framed.y >= area[1] &&
                framed.x + framed.width <= area[0] + area[2] &&
                framed.y + framed.height <= area[1] + area[3])
        << "window " << w.width << "x" << w.height << "+" << w.x << "+" << w.y << " with frame "
        << framed.width << "x" << framed.height << "+" << framed.x << "+" << framed.y
        << " is not wholly in the work area " << area[2] << "x" << area[3];
    EXPECT_EQ(framed.height, area[3]) << "a larger square would fit";
    EXPECT_EQ(PollProbe(app, [&](const Picture& p) { return SunAtCentreOf(p, w.width); }), "");
    std::printf("first window on %dx%d with a %d px panel: %dx%d\n", kWidth, kHeight, kPanelPx,
                w.width, w.height);
    XCloseDisplay(x);
}

// Xft.dpi 144 or 192 (150 %, 200 %): the first window as large to the eye as 1000 px at 96 dpi, or
// the largest square the screen holds, and the view fills it.
TEST(FirstWindow, FollowsXftDpiUpToWhatTheScreenHolds) {
    for (const auto& [dpi, width, height, side] : {std::tuple{"144", 2200, 2200, 1500},
                                                   {"192", 2200, 2200, 2000},
                                                   {"192", 1280, 1024, 1024}}) {
        XvfbServer server(width, height);
        Display* x = XOpenDisplay(server.display().c_str());
        const std::string resources = std::string("Xft.dpi:\t") + dpi + "\n";
        XChangeProperty(x, DefaultRootWindow(x), XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(resources.data()),
                        static_cast<int>(resources.size()));
        XCloseDisplay(x);
        OrreryDriver app(ORRERY_EXECUTABLE, server.display());
        const Box w = app.Geometry(app.window());
        EXPECT_TRUE(w.width == side && w.height == side)
            << w.width << "x" << w.height << " at Xft.dpi " << dpi << ", expected " << side;
        EXPECT_EQ(PollProbe(app, [&](const Picture& p) { return SunAtCentreOf(p, side); }), "");
    }
}

// Uranus's angle in the view from above from one grab, once a frame shows it, and the times just
// before and just after that grab: the picture shows the window at some moment between the two.
struct UranusReading {
    double angle = std::nan("");
    Clock::time_point before, after;
};

UranusReading ReadUranus(OrreryDriver& app) {
    UranusReading reading;
    PollUntil([&] {
        reading.before = Clock::now();
        const Picture picture = app.Grab();
        reading.after = Clock::now();
        reading.angle = OrbitAngleFromAbove(picture, kUranus);
        return !std::isnan(reading.angle);
    });
    return reading;
}

// Degrees Uranus moved from one reading to a later one, read as the shorter way round.
double UranusProgress(const UranusReading& from, const UranusReading& to) {
    return std::remainder(to.angle - from.angle, 360.0);
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Degrees a second Uranus moves while the window shows, watched from `from` for kWatchTime and
// until it has moved kMinWatchedDeg; `from` becomes the last reading. Taken over the shortest
// time the two pictures can lie apart, so it errs high, not low. NaN when Uranus does not get
// that far.
double ShownRate(OrreryDriver& app, UranusReading& from) {
    std::this_thread::sleep_for(kWatchTime);
    UranusReading to;
    if (!PollUntil([&] { return UranusProgress(from, to = ReadUranus(app)) >= kMinWatchedDeg; }))
        return std::nan("");
    const double rate = UranusProgress(from, to) / Seconds(to.before - from.after);
    from = to;
    return rate;
}

// Uranus may move only in the time the window still or again shows: from the last reading
// before the hide until the server has hidden the window, and from the show until the first
// reading after it. That time, at the rate measured just before and just after while shown, plus
// the steps the program makes before it hears of each change, bounds the movement on a fast
// machine and a loaded one alike.
TEST_F(Overview, AHiddenWindowStopsTheAnimationAndGoesOnWhenShownAgain) {
    app().TypeKey(XK_a);
    ASSERT_EQ(GridFindings(90.0, 0.0), "");
    UranusReading last = ReadUranus(app());
    double rateBefore = ShownRate(app(), last);
    ASSERT_FALSE(std::isnan(rateBefore)) << "the planets hardly move while shown";

    for (const bool covered : {false, true}) {
        SCOPED_TRACE(covered ? "covered" : "unmapped");
        const UranusReading hiddenFrom = last;
        ASSERT_TRUE(covered ? app().Cover(true) : app().Hide());
        const Clock::time_point hidden = Clock::now();
        std::this_thread::sleep_for(kWatchTime);
        const Clock::time_point showing = Clock::now();
        ASSERT_TRUE(covered ? app().Cover(false) : app().Show());
        last = ReadUranus(app());
        const double acrossHidden = UranusProgress(hiddenFrom, last);
        const double shownSeconds =
            Seconds(hidden - hiddenFrom.before) + Seconds(last.after - showing);

        const double rateAfter = ShownRate(app(), last);
        ASSERT_FALSE(std::isnan(rateAfter)) << "the planets stay still once the window shows again";
        const double rate = std::max(rateBefore, rateAfter);
        EXPECT_LT(acrossHidden, rate * shownSeconds + kMarginSteps * kUranusStepDeg)
            << "degrees across the hidden time; shown " << shownSeconds << " s of it at " << rate
            << " degrees a second";
        rateBefore = rateAfter;
    }
}

struct ViewStep {
    const char* what;
    std::function<void(OrreryDriver&)> act;
    double pitchDeg, yawDeg;  // the view the window then shows
};

std::function<void(OrreryDriver&)> Press(KeySym key, bool shift = false) {
    return [=](OrreryDriver& app) { app.TypeKey(key, shift); };
}

// Motion events of a left drag from the window centre, each `dx`, `dy` pixels on.
std::function<void(OrreryDriver&)> DragBy(int dx, int dy, int events) {
    return [=](OrreryDriver& app) { app.Drag(kWindowPx / 2, kWindowPx / 2, dx, dy, events); };
}

TEST_F(Overview, PresetKeysArrowsAndDragsTurnTheGrid) {
    const ViewStep steps[] = {
        {"a: from above, lines at x = -40..40 on px 100..900", Press(XK_a), 90.0, 0.0},
        {"A, S and D in upper case change nothing",
         [](OrreryDriver& app) {
             for (KeySym key : {XK_a, XK_s, XK_d}) app.TypeKey(key, true);
         },
         90.0, 0.0},
        {"s: edge-on, one line 100 px below the centre", Press(XK_s), 0.0, 90.0},
        {"d: the start-up view again", Press(XK_d), 15.0, 340.0},
        {"up", Press(XK_Up), 10.0, 340.0},
        {"up", Press(XK_Up), 5.0, 340.0},
        {"up", Press(XK_Up), 0.0, 340.0},
        {"up: pitch -5 wraps to 355", Press(XK_Up), 355.0, 340.0},
        {"right", Press(XK_Right), 355.0, 345.0},
        {"right", Press(XK_Right), 355.0, 350.0},
        {"right", Press(XK_Right), 355.0, 355.0},
        {"right: yaw 360 wraps to 0", Press(XK_Right), 355.0, 0.0},
        {"left drag, one event right and down: +4 each, not wrapped", DragBy(3, 3, 1), 359.0, 4.0},
        {"down: pitch 364 is past 356 and wraps to 0", Press(XK_Down), 0.0, 4.0},
        {"up: pitch -5 wraps to 355 again", Press(XK_Up), 355.0, 4.0},
        {"left drag, one event right and up", DragBy(3, -3, 1), 351.0, 8.0},
        {"down: pitch 356 is not past 356 and stays", Press(XK_Down), 356.0, 8.0},
        {"d", Press(XK_d), 15.0, 340.0},
        {"left drag, three events left and up: -12 each", DragBy(-2, -2, 3), 3.0, 328.0},
    };
    for (const ViewStep& step : steps) {
        SCOPED_TRACE(step.what);
        step.act(app());
        ASSERT_TRUE(app().WaitForFreshFrames(2)) << "no new frame after the input";
        EXPECT_EQ(GridFindings(step.pitchDeg, step.yawDeg), "");
    }
}

}  // namespace

// The overview of the running program as a person sees it: start-up, preset keys, arrows, drags.
#include <X11/keysym.h>

#include <cmath>
#include <functional>
#include <thread>

#include "e2e_fixture.h"
#include "scene_probes.h"

namespace {

constexpr int kWindowPx = 1000;
constexpr int kMinMovedPlanetPixels = 20;  // more than a star changing colour could account for
constexpr int kUranus = 6;                 // 0.2 degrees per step
constexpr auto kWatchTime = std::chrono::seconds(2);

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

// Uranus's angle in the view from above, once a frame shows it.
double UranusAngle(OrreryDriver& app) {
    double angle = std::nan("");
    PollUntil([&] { return !std::isnan(angle = OrbitAngleFromAbove(app.Grab(), kUranus)); });
    return angle;
}

// Degrees Uranus moved from `from`, read as the shorter way round.
double UranusProgress(OrreryDriver& app, double from) {
    return std::remainder(UranusAngle(app) - from, 360.0);
}

// How far the planets get while the window is unmapped or fully covered is measured against how
// far they get in the same time while it shows, so the check holds on a fast machine and a slow
// one alike.
TEST_F(Overview, AHiddenWindowStopsTheAnimationAndGoesOnWhenShownAgain) {
    app().TypeKey(XK_a);
    ASSERT_EQ(GridFindings(90.0, 0.0), "");
    const double shownFrom = UranusAngle(app());
    std::this_thread::sleep_for(kWatchTime);
    const double whileShown = UranusProgress(app(), shownFrom);
    EXPECT_GT(whileShown, 1.0) << "the planets hardly move while shown";

    for (const bool covered : {false, true}) {
        SCOPED_TRACE(covered ? "covered" : "unmapped");
        const double hiddenFrom = UranusAngle(app());
        ASSERT_TRUE(covered ? app().Cover(true) : app().Hide());
        std::this_thread::sleep_for(kWatchTime);
        ASSERT_TRUE(covered ? app().Cover(false) : app().Show());
        const double whileHidden = UranusProgress(app(), hiddenFrom);
        EXPECT_LT(whileHidden, whileShown / 4) << "shown: " << whileShown << " degrees";

        const double shownAgainFrom = UranusAngle(app());
        EXPECT_TRUE(PollUntil([&] { return UranusProgress(app(), shownAgainFrom) > 1.0; }))
            << "the planets stay still once the window shows again";
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

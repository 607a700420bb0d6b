// Orbit steps with their one-wrap-per-step rule, the close-up spin, and the clock that paces them
// at the rate of the display mode.
#include "animation/idle_steps.h"

#include <gtest/gtest.h>

#include "animation/frame_clock.h"
#include "platform/x11/x11_display_refresh.h"

namespace {

constexpr std::size_t kMercury = 0, kVenus = 1, kEarth = 2, kMars = 3, kJupiter = 4;

TEST(AdvanceOrbitsOn, WrapsAPlanetOnlyOnceItIsStrictlyPastAFullTurn) {
    struct Case {
        int steps;
        std::size_t planet;
        float angle, tolerance;
    };
    const Case cases[] = {
        {24, kVenus, 358.448f, 1e-3f},  {25, kVenus, 0.05f, 1e-3f},  // the first wrap
        {40, kJupiter, 360.0f, 0.0f},   {41, kJupiter, 0.5f, 0.0f},  // exactly 360 stays
        {66, kMercury, 359.94f, 1e-3f}, {67, kMercury, 4.03f, 1e-3f}, {1, kMars, 280.72f, 1e-4f},
    };
    for (const Case& c : cases) {
        SceneState s = InitialSceneState();
        for (int i = 0; i < c.steps; ++i) AdvanceOrbitsOn(s);
        EXPECT_NEAR(s.orbitAngle[c.planet], c.angle, c.tolerance) << c.planet << " " << c.steps;
    }
}

TEST(AdvanceOrbitsOn, TwoPlanetsPastAFullTurnWrapOneStepApart) {
    SceneState s{};
    s.orbitAngle[kEarth] = s.orbitAngle[kMars] = 359.5f;  // steps 1.0 and 0.72
    AdvanceOrbitsOn(s);
    EXPECT_FLOAT_EQ(s.orbitAngle[kEarth], 0.5f);
    EXPECT_FLOAT_EQ(s.orbitAngle[kMars], 360.22f) << "waits while an earlier planet wraps";
    AdvanceOrbitsOn(s);
    EXPECT_FLOAT_EQ(s.orbitAngle[kEarth], 1.5f);
    EXPECT_NEAR(s.orbitAngle[kMars], 0.94f, 1e-4f);
}

// Its long runs, every body's step for ten million steps, are in tests/hardening.
TEST(AdvanceSpinOn, WrapsAtAFullTurn) {
    SceneState s{};
    s.spinStep = 1.0f;
    s.spinAngle = 359.5f;
    AdvanceSpinOn(s);
    EXPECT_EQ(s.spinAngle, 0.5f);
}

// The frame clock under a clock the test sets: a step waits out one refresh after the last began
// (at most 60 steps a second), however late that one was, and a wait splits into a timer's whole
// milliseconds and the rest.
FrameTime fakeNow{};
FrameTime FakeClock() { return fakeNow; }

struct PacedSecond {
    int steps = 0;
    int stepsInOneRefresh = 0;  // the most steps that fell within one refresh
};

// One second of the paced idle loop on a display at `hz` whose swaps do not wait for its refresh,
// so the pacing alone keeps the steps apart: a long wait goes to a timer of whole milliseconds, a
// short one to a sleep, then a step and its frame.
PacedSecond RunPacedSecond(double hz) {
    using std::chrono::milliseconds;
    const auto refresh =
        std::chrono::duration_cast<FrameDuration>(std::chrono::duration<double>(1.0 / hz));
    const FrameTime start = fakeNow;
    FrameClock clock(StepPeriod(hz), FakeClock);
    PacedSecond second;
    long lastRefresh = -1;
    int inThisRefresh = 0;
    while (fakeNow - start < std::chrono::seconds(1)) {
        const FrameDuration wait = clock.UntilNextStep();
        if (wait >= milliseconds(2)) {
            fakeNow += std::chrono::duration_cast<milliseconds>(wait);  // fires up to 1 ms early
            continue;
        }
        fakeNow += wait;
        clock.StepBegins();
        ++second.steps;
        const long refreshIndex = static_cast<long>((fakeNow - start) / refresh);
        inThisRefresh = refreshIndex == lastRefresh ? inThisRefresh + 1 : 1;
        second.stepsInOneRefresh = std::max(second.stepsInOneRefresh, inThisRefresh);
        lastRefresh = refreshIndex;
    }
    return second;
}

TEST(FrameClock, NextStepWaitsOneRefreshAfterTheLastBegan) {
    using std::chrono::microseconds;
    using std::chrono::milliseconds;
    EXPECT_EQ(StepPeriod(60.0), microseconds(16666) + std::chrono::nanoseconds(666));
    EXPECT_EQ(StepPeriod(0.0), StepPeriod(60.0)) << "Xvfb's rate of 0 counts as 60 Hz";
    EXPECT_EQ(StepPeriod(-1.0), StepPeriod(60.0));
    EXPECT_EQ(StepPeriod(144.0), StepPeriod(60.0))
        << "a faster display still steps 60 times a second";
    EXPECT_EQ(StepPeriod(30.0), microseconds(33333) + std::chrono::nanoseconds(333));

    // Modes as XRandR reports them: dot clock, horizontal and vertical totals, flags.
    const auto mode = [](unsigned long clock, unsigned h, unsigned v, unsigned long flags) {
        XRRModeInfo m{};
        m.dotClock = clock, m.hTotal = h, m.vTotal = v, m.modeFlags = flags;
        return ModeRefreshHz(m);
    };
    EXPECT_DOUBLE_EQ(mode(148500000, 2200, 1125, 0), 60.0) << "1920x1080";
    EXPECT_DOUBLE_EQ(mode(74250000, 2200, 1125, RR_Interlace), 60.0) << "1080i: two fields";
    EXPECT_DOUBLE_EQ(mode(24000000, 800, 250, RR_DoubleScan), 60.0) << "each line twice";
    EXPECT_EQ(mode(148500000, 0, 1125, 0) + mode(148500000, 2200, 0, RR_Interlace), 0.0);

    FrameClock clock(milliseconds(16), FakeClock);
    EXPECT_EQ(clock.UntilNextStep(), milliseconds(0)) << "the first step runs at once";
    clock.StepBegins();
    EXPECT_EQ(clock.UntilNextStep(), milliseconds(16));
    fakeNow += milliseconds(5);
    EXPECT_EQ(clock.UntilNextStep(), milliseconds(11));
    fakeNow += milliseconds(40);  // a slow frame: the next step may run, once
    EXPECT_EQ(clock.UntilNextStep(), milliseconds(0));
    clock.StepBegins();
    EXPECT_EQ(clock.UntilNextStep(), milliseconds(16)) << "no catching up on missed steps";

    // Where steps begin only at refreshes, the next is due a period after the last was due...
    FrameClock atRefreshes(milliseconds(16), FakeClock, StepTiming::kFromDue);
    atRefreshes.StepBegins();
    fakeNow += milliseconds(20);
    atRefreshes.StepBegins();
    EXPECT_EQ(atRefreshes.UntilNextStep(), milliseconds(12));
    fakeNow += milliseconds(40);  // ...unless the step came more than a period late
    atRefreshes.StepBegins();
    EXPECT_EQ(atRefreshes.UntilNextStep(), milliseconds(16)) << "missed steps made up";
}

TEST(FrameClock, SixtyStepsASecondOnAFastDisplayOnePerRefreshOnASlowOne) {
    const struct {
        double hz;
        int steps;
    } displays[] = {{144.0, 60}, {60.0, 60}, {30.0, 30}};
    for (const auto& display : displays) {
        const PacedSecond second = RunPacedSecond(display.hz);
        // One more when the last step begins a rounded-down nanosecond short of the second.
        EXPECT_NEAR(second.steps, display.steps, 1) << display.hz << " Hz";
        EXPECT_EQ(second.stepsInOneRefresh, 1) << display.hz << " Hz: two steps in one frame";
    }
}

}  // namespace

// Orbit steps with their one-wrap-per-step rule, the close-up spin, and the clock that paces them.
#include "animation/idle_steps.h"

#include <gtest/gtest.h>

#include "animation/frame_clock.h"

namespace {

constexpr std::size_t kMercury = 0, kVenus = 1, kEarth = 2, kMars = 3, kJupiter = 4;

TEST(StepOrbits, WrapsAPlanetOnlyOnceItIsStrictlyPastAFullTurn) {
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
        for (int i = 0; i < c.steps; ++i) StepOrbits(s);
        EXPECT_NEAR(s.orbitAngle[c.planet], c.angle, c.tolerance) << c.planet << " " << c.steps;
    }
}

TEST(StepOrbits, TwoPlanetsPastAFullTurnWrapOneStepApart) {
    SceneState s{};
    s.orbitAngle[kEarth] = s.orbitAngle[kMars] = 359.5f;  // steps 1.0 and 0.72
    StepOrbits(s);
    EXPECT_FLOAT_EQ(s.orbitAngle[kEarth], 0.5f);
    EXPECT_FLOAT_EQ(s.orbitAngle[kMars], 360.22f) << "waits while an earlier planet wraps";
    StepOrbits(s);
    EXPECT_FLOAT_EQ(s.orbitAngle[kEarth], 1.5f);
    EXPECT_NEAR(s.orbitAngle[kMars], 0.94f, 1e-4f);
}

TEST(StepSpin, WrapsAtAFullTurnAndStillAdvancesAfterTenMillionSteps) {
    SceneState s{};
    s.spinStep = 1.0f;
    s.spinAngle = 359.5f;
    s.tiltAngle = -23.0f;
    StepSpin(s);
    EXPECT_EQ(s.spinAngle, 0.5f);
    EXPECT_EQ(s.tiltAngle, -23.0f) << "the chosen tilt stays in view";
    for (float step : {0.156f, 2.43f}) {
        s.spinStep = step;
        bool inRange = true;
        for (int i = 0; i < 10'000'000; ++i) {
            StepSpin(s);
            inRange = inRange && s.spinAngle >= 0.0f && s.spinAngle < 360.0f;
        }
        const float before = s.spinAngle;
        StepSpin(s);
        const float advanced = s.spinAngle - before + (s.spinAngle < before ? 360.0f : 0.0f);
        EXPECT_TRUE(inRange) << step;
        EXPECT_NEAR(advanced, step, 1e-4f) << step;
    }
}

// The frame clock under a clock the test sets: a step waits out one refresh after the last began,
// however late that one was, and a wait splits into a timer's whole milliseconds and the rest.
FrameTime fakeNow{};
FrameTime FakeClock() { return fakeNow; }

TEST(FrameClock, NextStepWaitsOneRefreshAfterTheLastBegan) {
    using std::chrono::microseconds;
    using std::chrono::milliseconds;
    EXPECT_EQ(RefreshPeriod(60.0), microseconds(16666) + std::chrono::nanoseconds(666));
    EXPECT_EQ(RefreshPeriod(0.0), RefreshPeriod(60.0)) << "Xvfb's rate of 0 counts as 60 Hz";
    EXPECT_EQ(RefreshPeriod(-1.0), RefreshPeriod(60.0));
    EXPECT_EQ(RefreshPeriod(144.0), microseconds(6944) + std::chrono::nanoseconds(444));

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

    EXPECT_EQ(FrameClock::TimerMilliseconds(microseconds(11700)), 11u);
    EXPECT_EQ(FrameClock::TimerMilliseconds(microseconds(1999)), 1u);
    EXPECT_EQ(FrameClock::TimerMilliseconds(milliseconds(0)), 0u);
}

}  // namespace

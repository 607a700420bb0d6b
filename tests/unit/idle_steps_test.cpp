// Orbit steps with their one-wrap-per-step rule, and the close-up spin.
#include "animation/idle_steps.h"

#include <gtest/gtest.h>

namespace {

constexpr int kMercury = 0, kVenus = 1, kEarth = 2, kMars = 3, kJupiter = 4;

SceneState AfterOrbitSteps(int steps) {
    SceneState s = InitialSceneState();
    for (int i = 0; i < steps; ++i) StepOrbits(s);
    return s;
}

struct OrbitCase {
    int steps, planet;
    float angle, tolerance;
};

TEST(StepOrbits, WrapsEachPlanetOnlyOnceItIsStrictlyPastAFullTurn) {
    const OrbitCase cases[] = {
        {24, kVenus, 358.448f, 1e-3f},  {25, kVenus, 0.05f, 1e-3f},  // first wrap of all
        {40, kJupiter, 360.0f, 0.0f},   {41, kJupiter, 0.5f, 0.0f},  // exactly 360 stays
        {66, kMercury, 359.94f, 1e-3f}, {67, kMercury, 4.03f, 1e-3f},
        {1, kEarth, 121.0f, 0.0f},      {1, kMars, 280.72f, 1e-4f},
    };
    for (const OrbitCase& c : cases) {
        const SceneState s = AfterOrbitSteps(c.steps);
        EXPECT_NEAR(s.orbitAngle[c.planet], c.angle, c.tolerance)
            << "planet " << c.planet << " after " << c.steps << " steps";
    }
}

TEST(StepOrbits, TwoPlanetsPastAFullTurnWrapOneStepApart) {
    SceneState s{};
    s.orbitAngle[kEarth] = 359.5f;  // +1.0
    s.orbitAngle[kMars] = 359.5f;   // +0.72
    StepOrbits(s);
    EXPECT_FLOAT_EQ(s.orbitAngle[kEarth], 0.5f);
    EXPECT_FLOAT_EQ(s.orbitAngle[kMars], 360.22f) << "waits while an earlier planet wraps";
    StepOrbits(s);
    EXPECT_FLOAT_EQ(s.orbitAngle[kEarth], 1.5f);
    EXPECT_NEAR(s.orbitAngle[kMars], 0.94f, 1e-4f);
}

TEST(StepSpin, AddsTheStepAndWrapsAtAFullTurn) {
    SceneState s{};
    s.spinStep = 1.0f;
    s.spinAngle = 358.5f;
    StepSpin(s);
    EXPECT_EQ(s.spinAngle, 359.5f);
    StepSpin(s);
    EXPECT_EQ(s.spinAngle, 0.5f);
    s.tiltAngle = -23.0f;
    StepSpin(s);
    EXPECT_EQ(s.tiltAngle, -23.0f) << "the chosen tilt stays in view";
}

TEST(StepSpin, KeepsAdvancingAfterTenMillionSteps) {
    for (float step : {0.156f, 1.0f, 2.43f}) {
        SceneState s{};
        s.spinStep = step;
        bool inRange = true;
        for (int i = 0; i < 10'000'000; ++i) {
            StepSpin(s);
            inRange = inRange && s.spinAngle >= 0.0f && s.spinAngle < 360.0f;
        }
        EXPECT_TRUE(inRange) << step;
        const float before = s.spinAngle;
        StepSpin(s);
        const float advanced =
            s.spinAngle >= before ? s.spinAngle - before : s.spinAngle + 360.0f - before;
        EXPECT_NEAR(advanced, step, 1e-4f) << step;
    }
}

}  // namespace

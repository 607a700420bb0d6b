// Days of idle steps: the close-up spin never stalls and the orbits stay bounded.
#include <gtest/gtest.h>

#include <cmath>

#include "animation/idle_steps.h"
#include "reference_model.h"

namespace {

constexpr long kSpinSteps = 10'000'000;
constexpr long kOrbitSteps = 1'000'000;
constexpr float kAdvanceToleranceDeg = 1e-4f;  // a few float steps at 360

TEST(LongRun, EveryBodysSpinAdvancesByItsStepWithinAFullTurn) {
    for (const float spinStep : model::kSpinStep) {
        SceneState state = InitialSceneState();
        state.spinStep = spinStep;
        long outsideTurn = 0, wrongAdvance = 0;
        for (long step = 0; step < kSpinSteps; ++step) {
            const float before = state.spinAngle;
            AdvanceSpinOn(state);
            const float advance =
                state.spinAngle - before + (state.spinAngle < before ? 360.0f : 0);
            outsideTurn += state.spinAngle < 0.0f || state.spinAngle >= 360.0f;
            wrongAdvance += std::fabs(advance - spinStep) > kAdvanceToleranceDeg;
        }
        EXPECT_EQ(outsideTurn, 0) << spinStep;
        EXPECT_EQ(wrongAdvance, 0) << spinStep << " ends at " << state.spinAngle;
    }
}

TEST(LongRun, OrbitsWrapOnePlanetPerStepAndStayBelowThreeStepsPastAFullTurn) {
    SceneState state = InitialSceneState();
    auto expected = state.orbitAngle;
    long firstMismatch = -1, outOfBounds = 0;
    for (long step = 1; step <= kOrbitSteps; ++step) {
        AdvanceOrbitsOn(state);
        model::Orbits(expected);
        if (firstMismatch < 0 && state.orbitAngle != expected) firstMismatch = step;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const float angle = state.orbitAngle[i];
            outOfBounds += angle < 0.0f || angle >= 360.0f + 3 * model::kOrbitStep[i];
        }
    }
    EXPECT_EQ(firstMismatch, -1) << "first step that broke the one-wrap-per-step rule";
    EXPECT_EQ(outOfBounds, 0);
}

}  // namespace

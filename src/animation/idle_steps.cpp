// The idle steps that move the planets along their orbits and spin the close-up body.
#include "animation/idle_steps.h"

#include <GL/freeglut_std.h>

void AdvanceOrbitsOn(SceneState& state) {
    for (int i = 0; i < kPlanetCount; ++i) {
        state.orbitAngle[static_cast<std::size_t>(i)] += Planet(i).orbitStep;
    }
    // Only the first planet past a full turn wraps; any other waits for a later step.
    for (float& angle : state.orbitAngle) {
        if (angle > 360.0f) {
            angle -= 360.0f;
            break;
        }
    }
}

void AdvanceSpinOn(SceneState& state) {
    // Wrapping keeps the float precise enough for the step to keep adding; the turn is the same.
    state.spinAngle += state.spinStep;
    if (state.spinAngle >= 360.0f) state.spinAngle -= 360.0f;
}

void AdvanceOrbits() {
    AdvanceOrbitsOn(scene);
    glutPostRedisplay();
}

void AdvanceSpin() {
    AdvanceSpinOn(scene);
    glutPostRedisplay();
}

// The idle steps that move the planets along their orbits and spin the close-up body.
#pragma once

#include "scene/scene_state.h"

// One overview step: every planet advances by its orbit step, then at most one angle wraps.
void AdvanceOrbitsOn(SceneState& state);

// One close-up step: the spin advances by the chosen body's step, kept within [0, 360).
void AdvanceSpinOn(SceneState& state);

// GLUT idle callbacks: one step of the global scene, then a redraw.
void AdvanceOrbits();
void AdvanceSpin();

// The close-up: one body as a large wire sphere spinning about its tilted green axis.
#pragma once

#include "scene/scene_state.h"

// The body of `state.viewMode`, 2 (Sun) … 11 (Pluto), under its tilt and spin.
void DrawCloseUp(const SceneState& state);
// The wire sphere of menu value `menuValue` alone.
void DrawCloseUpBody(int menuValue);

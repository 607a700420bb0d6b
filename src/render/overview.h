// The overview: star field, Sun, floor grid and the nine planets under the user's rotation.
#pragma once

#include "scene/scene_state.h"

void DrawOverview(const SceneState& state);

// Planet index 0 (Mercury) … 8 (Pluto), under the planet's orbital rotation.
void DrawOrbitBody(int planetIndex);

// The display callback: clear, draw the view that viewMode selects, swap.
#pragma once

#include "scene/scene_state.h"

// Clears and draws the view of `state` into the back buffer, without swapping.
void DrawFrameOn(const SceneState& state);

void DrawFrame();

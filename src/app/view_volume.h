// The orthographic view volume for a window size, and the range a frame of each view needs.
#pragma once

#include "scene/scene_state.h"

struct ViewVolume {
    double left, right, bottom, top, nearZ, farZ;
};

// The shorter window side spans 2 * range; a zero width or height counts as 1.
ViewVolume ComputeViewVolume(int width, int height, float range);

// A close-up never uses a view volume smaller than the one that shows its whole wire sphere,
// so choosing a planet (nRange 10) does not hide the sphere at the next resize.
float ProjectionRange(const SceneState& state);

// The orthographic view volume for a window size, and the range a frame of each view needs.
#include "app/view_volume.h"

#include <algorithm>

namespace {
constexpr float kCloseUpRange = 50.0f;  // radius-30 sphere with margin for part of its axis
}

ViewVolume ComputeViewVolume(int width, int height, float range) {
    const int w = std::max(width, 1);
    const int h = std::max(height, 1);
    // Single-precision ratios, as the size is an integer count of pixels times a float range.
    if (w <= h) {
        const float y = range * static_cast<float>(h) / static_cast<float>(w);
        return {-range, range, -y, y, -range, range};
    }
    const float x = range * static_cast<float>(w) / static_cast<float>(h);
    return {-x, x, -range, range, -range, range};
}

float ProjectionRange(const SceneState& state) {
    if (state.viewMode == kOverviewMode) return state.nRange;
    return std::max(state.nRange, kCloseUpRange);
}

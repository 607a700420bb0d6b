// The first window fitted to the screen: arithmetic on rectangles, the same for every window
// system.
#include "platform/screen_fit.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kUnscaledDpi = 96.0;
}  // namespace

Rect Intersection(const Rect& a, const Rect& b) {
    const int left = std::max(a.x, b.x);
    const int top = std::max(a.y, b.y);
    const int right = std::min(a.x + a.width, b.x + b.width);
    const int bottom = std::min(a.y + a.height, b.y + b.height);
    return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

int FittingSquareSide(const Rect& area, const FrameExtents& frame, int wantedPx) {
    const int width = area.width - frame.left - frame.right;
    const int height = area.height - frame.top - frame.bottom;
    return std::max(std::min({wantedPx, width, height}), 1);
}

int ScaledSidePx(int sidePx, double dpi) {
    return static_cast<int>(std::lround(sidePx * dpi / kUnscaledDpi));
}

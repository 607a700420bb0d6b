// Rectangles in screen pixels, and a window's size scaled by the screen's dpi and fitted to a work
// area: the same arithmetic for every window system.
#include "geometry/geometry.h"

#include <algorithm>
#include <cmath>

namespace {

// a * b / c rounded to the nearest whole number, halves away from zero, as Win32's MulDiv.
int MulDivRounded(int a, int b, int c) { return static_cast<int>(std::lround(1.0 * a * b / c)); }

}  // namespace

bool Contains(const Rect& rect, int x, int y) {
    return x >= rect.x && y >= rect.y && x < rect.x + rect.width && y < rect.y + rect.height;
}

Rect Intersection(const Rect& a, const Rect& b) {
    const int left = std::max(a.x, b.x);
    const int top = std::max(a.y, b.y);
    const int right = std::min(a.x + a.width, b.x + b.width);
    const int bottom = std::min(a.y + a.height, b.y + b.height);
    return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

int ScaledSidePx(int sidePx, double dpi) {
    return static_cast<int>(std::lround(sidePx * dpi / kUnscaledDpi));
}

Size FittedSize(const Rect& area, const FrameExtents& frame, Size wanted) {
    if (wanted.width <= 0 || wanted.height <= 0) return {1, 1};
    const int fitsWide = area.width - frame.left - frame.right;
    const int fitsHigh = area.height - frame.top - frame.bottom;
    Size fitted = wanted;
    if (fitted.width > fitsWide)
        fitted = {fitsWide, MulDivRounded(wanted.height, fitsWide, wanted.width)};
    if (fitted.height > fitsHigh)
        fitted = {MulDivRounded(wanted.width, fitsHigh, wanted.height), fitsHigh};
    return {std::max(fitted.width, 1), std::max(fitted.height, 1)};
}

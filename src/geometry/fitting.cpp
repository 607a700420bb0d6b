// Window sizes scaled by the screen's dpi and fitted to a work area, the same for every window
// system.
#include "geometry/fitting.h"

#include <algorithm>
#include <cmath>

namespace {

// a * b / c rounded to the nearest whole number, halves away from zero, as Win32's MulDiv.
int MulDivRounded(int a, int b, int c) {
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

}  // namespace

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

int FittingSquareSide(const Rect& area, const FrameExtents& frame, int wantedPx) {
    return FittedSize(area, frame, {wantedPx, wantedPx}).width;
}

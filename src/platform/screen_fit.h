// The first window fitted to the screen: arithmetic on rectangles, the same for every window
// system.
#pragma once

#include "menu/menu_model.h"

// What the window manager's frame adds on each side of a window, in pixels.
struct FrameExtents {
    int left = 0, right = 0, top = 0, bottom = 0;
};

// The part of `a` that lies in `b`; of no size when they do not meet.
Rect Intersection(const Rect& a, const Rect& b);

// `sidePx` pixels of a 96 dpi screen as pixels of one of `dpi`, so that the window shows as large.
int ScaledSidePx(int sidePx, double dpi);

// The side of the largest square window, at most `wantedPx`, that fits in `area` with `frame`
// around it; at least 1.
int FittingSquareSide(const Rect& area, const FrameExtents& frame, int wantedPx);

// Rectangles in screen pixels, and a window's size scaled by the screen's dpi and fitted to a work
// area: the same arithmetic for every window system.
#pragma once

// The dpi that programs are drawn for at 100 % scaling, on X11 and Windows alike.
constexpr double kUnscaledDpi = 96.0;

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct Size {
    int width = 0, height = 0;
};

// What the window manager's frame adds on each side of a window, in pixels.
struct FrameExtents {
    int left = 0, right = 0, top = 0, bottom = 0;
};

bool Contains(const Rect& rect, int x, int y);

// The part of `a` that lies in `b`; of no size when they do not meet.
Rect Intersection(const Rect& a, const Rect& b);

// `sidePx` pixels of a 96 dpi screen as pixels of one of `dpi`, so that the window shows as large.
int ScaledSidePx(int sidePx, double dpi);

// The largest size of the shape of `wanted`, and no larger, whose window with `frame` around it
// fits in `area`, so that a square stays a square; at least 1 x 1.
Size FittedSize(const Rect& area, const FrameExtents& frame, Size wanted);

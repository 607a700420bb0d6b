// Rectangles in pixels, as the menus and the first window are placed on a screen.
#pragma once

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

bool Contains(const Rect& rect, int x, int y);

// The part of `a` that lies in `b`; of no size when they do not meet.
Rect Intersection(const Rect& a, const Rect& b);

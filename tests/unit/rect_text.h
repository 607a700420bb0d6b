// A rectangle as X11's geometry strings spell it, WxH+X+Y, for comparing in tests.
#pragma once

#include <string>

#include "geometry/geometry.h"

inline std::string Text(const Rect& r) {
    return std::to_string(r.width) + "x" + std::to_string(r.height) + "+" + std::to_string(r.x) +
           "+" + std::to_string(r.y);
}

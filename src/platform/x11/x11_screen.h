// The X screen as windows are placed on it: its size, its monitors, the window manager's work
// area and the frame it puts around a new window.
#pragma once

#include <X11/Xlib.h>

#include <vector>

#include "geometry/geometry.h"

// The whole screen, as the root window covers it.
Rect ScreenRect(Display* display);
// The monitors as XRandR lists them; none from a server without RandR 1.5.
std::vector<Rect> Monitors(Display* display);
// The current desktop's work area as the window manager sets it in _NET_WORKAREA (the screen
// less its panels and docks); the whole screen without one.
Rect WorkArea(Display* display);
// The frame the window manager will put around a new top-level window, as it answers
// _NET_REQUEST_FRAME_EXTENTS before the window is mapped; none without a window manager that
// answers within a moment.
FrameExtents NewWindowFrame(Display* display);
// The screen's dots per inch as the `Xft.dpi` resource's text gives them; a null or unusable text
// means a 96 dpi screen, the one X11 programs are drawn for at 100 %.
double ScreenDpi(const char* xftDpi);

// What the program says when the X server refuses it: one line naming what failed and what to
// do, and exit status 1, never Xlib's raw report.
#pragma once

#include <X11/Xlib.h>

// Whether the server makes indirect GL contexts (-indirect); Xorg and Xvfb refuse them unless
// started with +iglx.
bool IndirectGlAllowed(Display* display);

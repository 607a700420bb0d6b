// A double-buffered GLUT window on a private Xvfb, shared by the tests of one process.
#pragma once

inline constexpr int kGlWindowPx = 1000;
inline constexpr int kSmallGlWindowPx = 200;  // for tests of state and memory, not of pixels

// Starts Xvfb and opens a sizePx x sizePx window with the viewer's display mode on the first call;
// later calls return at once. The window's GL context stays current until the process ends.
void EnsureGlWindow(int sizePx = kGlWindowPx);

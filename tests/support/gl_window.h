// A 1000 x 1000 double-buffered GLUT window on a private Xvfb, shared by a test process.
#pragma once

inline constexpr int kGlWindowPx = 1000;

// Starts Xvfb and opens the window with the viewer's display mode on the first call; later calls
// return at once. The window's GL context stays current until the process ends.
void EnsureGlWindow();

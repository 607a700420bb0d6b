// A real GLUT window on a private Xvfb, shared by the tests of one process that draw frames.
#pragma once

// Opens the window on first use (GLUT initialises once per process); its GL context is current.
void UseTestWindow();

// What the display offers for pacing: swaps that wait for its refresh, and its refresh rate.
#pragma once

// Asks the GL driver, through GLX_EXT_swap_control or GLX_MESA_swap_control, to let each swap of
// the current GLUT window wait for the display's refresh. Returns whether a driver took it.
bool RequestSyncedSwaps();

// The refresh rate in Hz of the XRandR mode showing the current GLUT window, or 0 when the
// server does not say (Xvfb reports 0).
double DisplayRefreshHz();

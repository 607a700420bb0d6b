// The refresh rate of one XRandR display mode, worked out from its timings.
#pragma once

#include <X11/extensions/Xrandr.h>

// Frames a second of `mode`: its dot clock over the dots of one frame, a double-scan mode drawing
// each line twice and an interlaced one counting each field; 0 for a mode without totals.
double ModeRefreshHz(const XRRModeInfo& mode);

// The real program left to run at its own pace: its CPU use and frame rate, shown and hidden.
#pragma once

#include <string>

struct PacedFigures {
    double cpuShare = 0.0;         // CPU seconds of all its threads per second of wall time
    double framesPerSecond = 0.0;  // frames that reached its window
};

struct PacedRun {
    PacedFigures overview, closeUp, hidden;  // hidden: Earth's close-up with the window unmapped
};

// Starts `executable` on X display `display` in a 1000 x 1000 window and watches it for `seconds`
// in the overview, in Earth's close-up, and in that close-up with its window unmapped.
PacedRun MeasurePacedRun(const std::string& executable, const std::string& display, double seconds);

// Times the real executable from launch until its window shows the first frame.
#pragma once

struct StartupFigures {
    double seconds = -1.0;  // launch to first frame on screen; negative when none appeared
    long peakRssKb = -1;    // the program's peak resident memory at that moment
};

// Starts `executable` on X display `display` with its output discarded, watches the centre pixel
// of its window until the Sun's colour appears there, then stops the program.
StartupFigures MeasureStartup(const char* executable, const char* display);

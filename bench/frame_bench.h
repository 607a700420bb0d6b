// Times frames of the program's own drawing code in one GLUT window.
#pragma once

#include <vector>

#include "scene/scene_state.h"

struct FrameScenario {
    const char* name;
    SceneState state;  // copied into the program's scene before the scenario's frames
    bool empty;        // clear and swap only: the floor that every frame pays
};

// The middle value (the upper one of an even count).
double Median(std::vector<double> values);

// Opens the 1000 x 1000 window with the program's display mode and reshape callback, and returns
// once it is mapped and has shown one frame.
void OpenBenchWindow(int& argc, char** argv);

// CPU seconds per frame (process time, all threads; each frame ends with the swap and glFinish)
// for each scenario: the median over repetitions that interleave the scenarios.
std::vector<double> MedianCpuSecondsPerFrame(const std::vector<FrameScenario>& scenarios);

// `count` rounds of the program's loop, idle step then frame: the first half from `overview`,
// the second half from `closeUp`.
void RunAnimatedFrames(const SceneState& overview, const SceneState& closeUp, int count);

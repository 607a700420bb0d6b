// Times frames of the program's own drawing code in one GLUT window.
#include "frame_bench.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <stdexcept>

#include "animation/idle_steps.h"
#include "app/change_size.h"
#include "render/draw_frame.h"

namespace {

constexpr int kWindowSizePx = 1000;
constexpr int kRepetitions = 15;
constexpr int kFramesPerRepetition = 40;
constexpr int kWarmUpFrames = 5;  // the renderer compiles its code for a new state on first use
constexpr auto kMapDeadline = std::chrono::seconds(30);

bool firstFrameShown = false;

void ShowFirstFrame() {
    DrawFrame();
    firstFrameShown = true;
}

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void DrawOneFrame(const FrameScenario& scenario) {
    if (scenario.empty) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glutSwapBuffers();
    } else {
        DrawFrame();
    }
    glFinish();
}

double CpuSecondsPerFrame(const FrameScenario& scenario, int frames) {
    scene = scenario.state;
    const double start = ProcessCpuSeconds();
    for (int i = 0; i < frames; ++i) DrawOneFrame(scenario);
    return (ProcessCpuSeconds() - start) / frames;
}

void RunCycles(int count) {
    for (int i = 0; i < count; ++i) {
        if (scene.viewMode == kOverviewMode) {
            AdvanceOrbitsOn(scene);
        } else {
            AdvanceSpinOn(scene);
        }
        DrawFrame();
        glFinish();
    }
}

}  // namespace

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void OpenBenchWindow(int& argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(kWindowSizePx, kWindowSizePx);
    glutCreateWindow("Orrery benchmark");
    glutReshapeFunc(ChangeSize);
    glutDisplayFunc(ShowFirstFrame);
    const auto deadline = std::chrono::steady_clock::now() + kMapDeadline;
    while (!firstFrameShown) {
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error("the benchmark window was never shown");
        glutMainLoopEvent();
    }
}

std::vector<double> MedianCpuSecondsPerFrame(const std::vector<FrameScenario>& scenarios) {
    for (const FrameScenario& scenario : scenarios) CpuSecondsPerFrame(scenario, kWarmUpFrames);
    std::vector<std::vector<double>> samples(scenarios.size());
    for (int repetition = 0; repetition < kRepetitions; ++repetition) {
        for (std::size_t i = 0; i < scenarios.size(); ++i) {
            samples[i].push_back(CpuSecondsPerFrame(scenarios[i], kFramesPerRepetition));
        }
    }
    std::vector<double> medians;
    for (const auto& s : samples) medians.push_back(Median(s));
    return medians;
}

void RunAnimatedFrames(const SceneState& overview, const SceneState& closeUp, int count) {
    scene = overview;
    RunCycles(count / 2);
    scene = closeUp;
    RunCycles(count - count / 2);
}

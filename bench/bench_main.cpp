// Orrery benchmark: CPU time per frame against an empty frame, start-up time, the time a menu takes
// to show, and resident memory.
#include <GL/freeglut.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "frame_bench.h"
#include "input/body_menu.h"
#include "input/view_controls.h"
#include "menu_probe.h"
#include "paced_run.h"
#include "process_memory.h"
#include "render/star_field.h"
#include "startup_probe.h"
#include "xvfb_server.h"

namespace {

constexpr int kStartupRuns = 5;
constexpr int kMenuOpenings = 15;
constexpr int kEarthMenuValue = 5;
constexpr int kMemorySampleInterval = 1000;  // frames
constexpr int kMemoryFrames = 10000;
constexpr double kPacedWatchSeconds = 5.0;  // per state

// A fixed second, so every run draws the same star field.
std::uint32_t FixedStarSeed() { return 1700000000u; }

std::string CpuModel() {
    std::ifstream cpuinfo("/proc/cpuinfo");
    for (std::string line; std::getline(cpuinfo, line);) {
        if (line.rfind("model name", 0) == 0) return line.substr(line.find(':') + 2);
    }
    return "unknown";
}

// The private server lives until the benchmark ends; none is started when DISPLAY is set.
std::unique_ptr<XvfbServer> EnsureDisplay() {
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr && *display != '\0') return nullptr;
    auto server = std::make_unique<XvfbServer>();
    setenv("DISPLAY", server->display().c_str(), 1);
    return server;
}

std::vector<FrameScenario> Scenarios() {
    SceneState above = InitialSceneState();
    KeyDownOn(above, 'a');
    SceneState earth = InitialSceneState();
    SelectBodyOn(earth, kEarthMenuValue);
    return {{"empty frame (clear + swap)", InitialSceneState(), true},
            {"overview, start-up state", InitialSceneState(), false},
            {"overview from above (key a)", above, false},
            {"close-up of Earth", earth, false}};
}

void PrintFrameFigures(const std::vector<FrameScenario>& scenarios) {
    const std::vector<double> seconds = MedianCpuSecondsPerFrame(scenarios);
    std::printf(
        "\nCPU per frame (median, process time incl. renderer threads, swap + glFinish):\n");
    for (std::size_t i = 0; i < scenarios.size(); ++i) {
        std::printf("  %-30s %8.3f ms  %5.2fx empty\n", scenarios[i].name, seconds[i] * 1e3,
                    seconds[i] / seconds[0]);
    }
}

void PrintStartupFigures() {
    std::vector<double> runs;
    long peakKb = -1;
    for (int i = 0; i < kStartupRuns; ++i) {
        const StartupFigures figures = MeasureStartup(ORRERY_EXECUTABLE, std::getenv("DISPLAY"));
        runs.push_back(figures.seconds);
        peakKb = std::max(peakKb, figures.peakRssKb);
    }
    std::printf("start-up to first frame (%s launched, until its window shows the Sun):\n",
                ORRERY_EXECUTABLE);
    std::printf("  median %.3f s of runs", Median(runs));
    for (double s : runs) std::printf(" %.3f", s);
    std::printf(" s\n  peak RSS of the program at its first frame: %.1f MB\n", peakKb / 1024.0);
}

void PrintPacedLine(const char* what, const PacedFigures& figures) {
    std::printf("  %-38s CPU %5.1f %% of one core  %6.1f frames/s\n", what, figures.cpuShare * 100,
                figures.framesPerSecond);
}

void PrintPacedFigures(const PacedRun& run) {
    std::printf("\nThe program at its own pace (%s launched, %.0f s per state, all threads):\n",
                ORRERY_EXECUTABLE, kPacedWatchSeconds);
    PrintPacedLine("overview, start-up state", run.overview);
    PrintPacedLine("close-up of Earth", run.closeUp);
    PrintPacedLine("close-up of Earth, window unmapped", run.hidden);
}

void PrintMenuFigures() {
    const std::vector<double> runs = MeasureMenuOpenings(ORRERY_EXECUTABLE, kMenuOpenings);
    std::printf(
        "\nright press to a drawn menu (mapped, and a screenshot of it shows text; the "
        "program alone on a private Xvfb):\n");
    if (runs.empty()) {
        std::printf("  the menu did not show\n");
        return;
    }
    std::printf("  median %.1f ms of %zu openings; first opening %.1f ms; all:", Median(runs) * 1e3,
                runs.size(), runs.front() * 1e3);
    for (double s : runs) std::printf(" %.1f", s * 1e3);
    std::printf(" ms\n");
}

void PrintMemoryFigures(const std::vector<FrameScenario>& scenarios) {
    std::vector<long> rssKb;
    for (int frames = 0; frames < kMemoryFrames; frames += kMemorySampleInterval) {
        RunAnimatedFrames(scenarios[1].state, scenarios.back().state, kMemorySampleInterval);
        rssKb.push_back(StatusFieldKb(0, "VmRSS"));
    }
    std::printf("\nRSS of the benchmark (idle step + frame; half overview, half close-up):\n");
    std::printf("  after %d frames %ld kB, ", kMemorySampleInterval, rssKb.front());
    std::printf("after %d frames %ld kB (%+ld kB); ", kMemoryFrames, rssKb.back(),
                rssKb.back() - rssKb.front());
    std::printf("peak %ld kB\n  every %d frames:", StatusFieldKb(0, "VmHWM"),
                kMemorySampleInterval);
    for (long kb : rssKb) std::printf(" %ld", kb);
    std::printf(" kB\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each figure shows as soon as it is known
    const std::unique_ptr<XvfbServer> server = EnsureDisplay();
    SetStarClock(FixedStarSeed);
    const std::vector<FrameScenario> scenarios = Scenarios();
    // Before the benchmark's own window exists, which the driver could take for the program's.
    const PacedRun paced =
        MeasurePacedRun(ORRERY_EXECUTABLE, std::getenv("DISPLAY"), kPacedWatchSeconds);
    OpenBenchWindow(argc, argv);
    std::printf("\n\nrenderer: %s\ncpu: %s\nwindow: 1000x1000 on %s\n\n",
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)), CpuModel().c_str(),
                std::getenv("DISPLAY"));
    PrintStartupFigures();
    PrintPacedFigures(paced);
    PrintMenuFigures();
    PrintFrameFigures(scenarios);
    PrintMemoryFigures(scenarios);
    glutExit();  // before the private server goes
    return 0;
}

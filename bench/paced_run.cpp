// The real program left to run at its own pace: its CPU use and frame rate, shown and hidden.
#include "paced_run.h"

#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "orrery_driver.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kEarthEntry = 3;                         // Sun, Mercury, Venus, Earth
constexpr auto kSettleTime = std::chrono::seconds(1);  // past the change before watching

// utime + stime of every thread of `pid`, in seconds.
double ProcessCpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    const std::string text((std::istreambuf_iterator<char>(stat)),
                           std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));  // after the command name
    std::string field;
    for (int i = 3; i < 14; ++i) fields >> field;  // state … cmajflt
    double userTicks = 0.0, systemTicks = 0.0;
    fields >> userTicks >> systemTicks;
    return (userTicks + systemTicks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Counts the frames that reach a window: each swap puts one image, one damaged rectangle.
struct FrameCounter {
    Display* display = nullptr;
    Damage damage = 0;
    int damageEventBase = 0;
};

FrameCounter OpenFrameCounter(const std::string& displayName, Window window) {
    FrameCounter counter;
    counter.display = XOpenDisplay(displayName.c_str());
    int errorBase = 0, major = 1, minor = 1;
    if (counter.display == nullptr ||
        !XDamageQueryExtension(counter.display, &counter.damageEventBase, &errorBase) ||
        XDamageQueryVersion(counter.display, &major, &minor) == 0) {
        throw std::runtime_error("no X server with the DAMAGE extension on " + displayName);
    }
    counter.damage = XDamageCreate(counter.display, window, XDamageReportRawRectangles);
    XSync(counter.display, False);
    return counter;
}

void CloseFrameCounter(FrameCounter& counter) {
    XDamageDestroy(counter.display, counter.damage);
    XCloseDisplay(counter.display);
}

// Takes the damage events that have come and returns how many there were.
int TakeFrames(FrameCounter& counter) {
    int frames = 0;
    while (XPending(counter.display) > 0) {
        XEvent event;
        XNextEvent(counter.display, &event);
        if (event.type == counter.damageEventBase + XDamageNotify) ++frames;
    }
    return frames;
}

int CountFrames(FrameCounter& counter, Clock::time_point until) {
    TakeFrames(counter);  // what came before the count started
    int frames = 0;
    pollfd connection{ConnectionNumber(counter.display), POLLIN, 0};
    while (Clock::now() < until) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        poll(&connection, 1, static_cast<int>(left.count()) + 1);
        frames += TakeFrames(counter);
    }
    return frames;
}

PacedFigures Watch(OrreryDriver& app, FrameCounter& counter, double seconds) {
    std::this_thread::sleep_for(kSettleTime);
    const auto span =
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    const double cpuBefore = ProcessCpuSeconds(app.pid());
    const Clock::time_point start = Clock::now();
    const int frames = CountFrames(counter, start + span);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    return {(ProcessCpuSeconds(app.pid()) - cpuBefore) / wall, frames / wall};
}

}  // namespace

PacedRun MeasurePacedRun(const std::string& executable, const std::string& display,
                         double seconds) {
    OrreryDriver app(executable, display, {"-geometry", "+0+0"});
    FrameCounter counter = OpenFrameCounter(display, app.window());
    PacedRun run;
    run.overview = Watch(app, counter, seconds);
    if (!app.ChooseBody(kEarthEntry)) throw std::runtime_error("could not choose Earth");
    run.closeUp = Watch(app, counter, seconds);
    if (!app.Hide()) throw std::runtime_error("could not unmap the window");
    run.hidden = Watch(app, counter, seconds);
    CloseFrameCounter(counter);
    return run;
}

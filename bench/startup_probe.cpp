// Times the real executable from launch until its window shows the first frame.
#include "startup_probe.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "process_memory.h"
#include "scene/body_catalogue.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kStartupDeadline = std::chrono::seconds(30);
constexpr auto kPollInterval = std::chrono::microseconds(500);

// Every window in the tree: a window manager may have reparented the program's window.
void CollectWindows(Display* display, Window window, std::vector<Window>& windows) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return;
    for (unsigned i = 0; i < count; ++i) {
        windows.push_back(children[i]);
        CollectWindows(display, children[i], windows);
    }
    if (children != nullptr) XFree(children);
}

std::vector<Window> AllWindows(Display* display) {
    std::vector<Window> windows;
    CollectWindows(display, DefaultRootWindow(display), windows);
    std::sort(windows.begin(), windows.end());
    return windows;
}

unsigned long Channel(unsigned long pixel, unsigned long mask) {
    return (pixel & mask) / (mask & (~mask + 1));  // 8-bit masks on a 24-bit TrueColor screen
}

// Whether the centre pixel of `window` has the Sun's overview colour.
bool ShowsSunAtCentre(Display* display, Window window) {
    XWindowAttributes a{};
    if (XGetWindowAttributes(display, window, &a) == 0 || a.map_state != IsViewable) return false;
    XImage* image = XGetImage(display, window, a.width / 2, a.height / 2, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    const Rgb sun = Sun().overviewColour;
    return Channel(pixel, a.visual->red_mask) == sun.r &&
           Channel(pixel, a.visual->green_mask) == sun.g &&
           Channel(pixel, a.visual->blue_mask) == sun.b;
}

bool AnyNewWindowShowsSun(Display* display, const std::vector<Window>& before) {
    for (Window w : AllWindows(display)) {
        if (!std::binary_search(before.begin(), before.end(), w) && ShowsSunAtCentre(display, w))
            return true;
    }
    return false;
}

pid_t Launch(const char* executable, const char* display) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    setenv("DISPLAY", display, 1);
    execl(executable, executable, static_cast<char*>(nullptr));
    _exit(127);
}

// A window may vanish or unmap between the query and the read; that only means "not yet".
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

}  // namespace

StartupFigures MeasureStartup(const char* executable, const char* display) {
    Display* x = XOpenDisplay(display);
    if (x == nullptr) return {};
    const auto previousHandler = XSetErrorHandler(IgnoreXError);
    const std::vector<Window> before = AllWindows(x);
    StartupFigures figures;
    const Clock::time_point start = Clock::now();
    pid_t pid = Launch(executable, display);
    while (pid > 0 && Clock::now() - start < kStartupDeadline) {
        if (AnyNewWindowShowsSun(x, before)) {
            figures.seconds = std::chrono::duration<double>(Clock::now() - start).count();
            figures.peakRssKb = StatusFieldKb(pid, "VmHWM");
            break;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) pid = 0;  // exited without a frame
        std::this_thread::sleep_for(kPollInterval);
    }
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    XSetErrorHandler(previousHandler);
    XCloseDisplay(x);
    return figures;
}

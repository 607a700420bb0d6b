// Openbox managing a private X server, for what a window manager does to the program's window.
#include "openbox_session.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(15);

// Whether a window manager has announced itself on the root window, as EWMH has it do.
bool Managed(Display* display) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    const bool set =
        XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW,
                           &type, &format, &items, &remaining, &data) == Success &&
        items == 1;
    if (data != nullptr) XFree(data);
    return set;
}

}  // namespace

OpenboxSession::OpenboxSession(const std::string& display) {
    Display* x = XOpenDisplay(display.c_str());
    if (x == nullptr) throw std::runtime_error("cannot open display " + display);
    pid_ = fork();
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);  // notes about a missing Debian menu file
        setenv("DISPLAY", display.c_str(), 1);
        setenv("XDG_CONFIG_HOME", "/nonexistent", 1);  // the system's rc.xml, not the user's
        execlp("openbox", "openbox", static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (!Managed(x) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const bool managed = Managed(x);
    XCloseDisplay(x);
    if (!managed) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        throw std::runtime_error("openbox did not start (is the openbox package installed?)");
    }
}

OpenboxSession::~OpenboxSession() {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

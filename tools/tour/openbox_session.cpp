// Openbox managing a private X server, for what a window manager does to the program's window.
#include "openbox_session.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <signal.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "child_process.h"

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
    // The system's rc.xml, not the user's; its stderr has notes about a missing Debian menu file.
    pid_ = StartChild({"openbox"}, {"DISPLAY=" + display, "XDG_CONFIG_HOME=/nonexistent"},
                      kDiscardOutput, kDiscardOutput);
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (!Managed(x) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const bool managed = Managed(x);
    XCloseDisplay(x);
    if (!managed) {
        EndChild(pid_, SIGKILL);
        throw std::runtime_error("openbox did not start (is the openbox package installed?)");
    }
}

OpenboxSession::~OpenboxSession() { EndChild(pid_, SIGTERM); }

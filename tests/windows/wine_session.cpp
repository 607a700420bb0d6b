// Windows programs under wine in the tests' prefix: one-off commands, the pointer, the menus that
// wine maps for a program.
#include "wine_session.h"

#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "child_process.h"

namespace {

// Runs `command` to its end, its stdout in `output` or else discarded (wine's reg prints what it
// finds there).
int RunAndWait(const std::vector<std::string>& command, const std::string& display,
               std::string* output = nullptr) {
    // A file, not a pipe: wine's server and services, started by the command, outlive it.
    char name[] = "/tmp/orrery-stdout-XXXXXX";
    const int file = output != nullptr ? mkostemp(name, O_CLOEXEC) : -1;
    if (output != nullptr && file < 0) return -1;
    if (file >= 0) unlink(name);
    std::vector<std::string> environment;
    if (!display.empty()) environment.push_back("DISPLAY=" + display);
    const pid_t pid =
        StartChild(command, environment, file >= 0 ? file : kDiscardOutput, kKeepOutput);
    int status = 0;
    const bool ended = waitpid(pid, &status, 0) == pid && WIFEXITED(status);
    if (file >= 0) {
        char buffer[4096];
        for (ssize_t n, at = 0; (n = pread(file, buffer, sizeof buffer, at)) > 0; at += n)
            output->append(buffer, static_cast<std::size_t>(n));
        close(file);
    }
    if (!ended) return -1;
    return WEXITSTATUS(status);
}

}  // namespace

int RunWine(const std::vector<std::string>& args, const std::string& display) {
    std::vector<std::string> command{WINE_COMMAND};
    command.insert(command.end(), args.begin(), args.end());
    return RunAndWait(command, display);
}

std::string WineOutput(const std::vector<std::string>& args, const std::string& display) {
    std::vector<std::string> command{WINE_COMMAND};
    command.insert(command.end(), args.begin(), args.end());
    std::string output;
    RunAndWait(command, display, &output);
    return output;
}

void EndWineSession() { RunAndWait({WINESERVER_COMMAND, "-k"}, ""); }

std::string DriveC(const std::string& windowsPath) {
    std::string path = std::string(WINE_PREFIX) + "/drive_c/" + windowsPath;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

Pointer::Pointer(const std::string& display) : display_(XOpenDisplay(display.c_str())) {
    if (display_ == nullptr) throw std::runtime_error("cannot open display " + display);
}

Pointer::~Pointer() { XCloseDisplay(display_); }

void Pointer::MoveTo(int rootX, int rootY) {
    XTestFakeMotionEvent(display_, DefaultScreen(display_), rootX, rootY, CurrentTime);
    XSync(display_, False);
}

void Pointer::Press(int button) {
    XTestFakeButtonEvent(display_, static_cast<unsigned>(button), True, CurrentTime);
    XSync(display_, False);
}

void Pointer::Release(int button) {
    XTestFakeButtonEvent(display_, static_cast<unsigned>(button), False, CurrentTime);
    XSync(display_, False);
}

std::vector<ShownMenu> ShownMenus(OrreryDriver& app) {
    std::vector<ShownMenu> menus;
    for (Window w : app.ShownMenus()) {
        const Box box = app.Geometry(w);
        if (box.width > 1 && box.height > 1) menus.push_back({w, box});
    }
    return menus;
}

std::pair<int, int> RowCentre(const Box& menu, int rows, int index) {
    const int rowHeight = menu.height / rows;
    const int frame = (menu.height - rows * rowHeight) / 2;
    return {menu.x + menu.width / 2, menu.y + frame + index * rowHeight + rowHeight / 2};
}

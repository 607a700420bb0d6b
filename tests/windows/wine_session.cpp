// Windows programs under wine in the tests' prefix: one-off commands, the pointer, the menus that
// wine maps for a program, and the program's stderr.
#include "wine_session.h"

#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace {

// Runs `command` to its end, its stdout discarded (wine's reg prints what it finds there).
int RunAndWait(const std::vector<std::string>& command, const std::string& display) {
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        close(devNull);
        std::vector<char*> argv;
        for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

}  // namespace

int RunWine(const std::vector<std::string>& args, const std::string& display) {
    std::vector<std::string> command{WINE_COMMAND};
    command.insert(command.end(), args.begin(), args.end());
    return RunAndWait(command, display);
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

StderrCapture::StderrCapture() {
    char name[] = "/tmp/orrery-stderr-XXXXXX";
    file_ = mkstemp(name);
    if (file_ < 0) throw std::runtime_error("cannot make a file for stderr");
    unlink(name);
    std::fflush(stderr);
    savedStderr_ = dup(STDERR_FILENO);
    dup2(file_, STDERR_FILENO);
}

StderrCapture::~StderrCapture() {
    Stop();
    close(file_);
}

void StderrCapture::Stop() {
    if (savedStderr_ < 0) return;
    std::fflush(stderr);
    dup2(savedStderr_, STDERR_FILENO);
    close(savedStderr_);
    savedStderr_ = -1;
}

std::string StderrCapture::Text() const {
    std::string text;
    char buffer[4096];
    for (off_t at = 0;;) {
        const ssize_t n = pread(file_, buffer, sizeof buffer, at);
        if (n <= 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
        at += n;
    }
    return text;
}

std::string WithoutDisplayWarning(const std::string& text) {
    static const std::string kWarningEnd =
        "): fgPlatformInitialize: CreateDC failed, Screen size info may be incorrect";
    static const std::string kWarningNext =
        "This is quite likely caused by a bad '-display' parameter";
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    std::string rest;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const bool warning =
            line.rfind("freeglut (", 0) == 0 && line.size() > kWarningEnd.size() &&
            line.compare(line.size() - kWarningEnd.size(), kWarningEnd.size(), kWarningEnd) == 0 &&
            i + 1 < lines.size() && lines[i + 1] == kWarningNext;
        if (warning) {
            ++i;
            continue;
        }
        rest += line + "\n";
    }
    return rest;
}

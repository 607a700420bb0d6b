// A private Xvfb for one process (a test, the benchmark or the tour), ready when the constructor
// returns.
#include "xvfb_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

namespace {

constexpr int kStartTimeoutMs = 15000;

[[noreturn]] void ExecXvfb(int displayFd, int width, int height) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);  // no server outlives a process that aborts
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);  // keyboard-map compiler chatter
    const std::string fd = std::to_string(displayFd);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten",
           "tcp", "-noreset", static_cast<char*>(nullptr));
    _exit(127);
}

// Reads the display number Xvfb writes once it accepts connections.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    char c = 0;
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, kStartTimeoutMs) <= 0) break;
        if (read(fd, &c, 1) != 1 || c == '\n') break;
        number += c;
    }
    return number;
}

}  // namespace

XvfbServer::XvfbServer(int width, int height) {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        close(fds[0]);
        ExecXvfb(fds[1], width, height);
    }
    close(fds[1]);
    const std::string number = ReadDisplayNumber(fds[0]);
    close(fds[0]);
    if (number.empty()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        throw std::runtime_error("Xvfb did not start (is the xvfb package installed?)");
    }
    display_ = ":" + number;
}

XvfbServer::~XvfbServer() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

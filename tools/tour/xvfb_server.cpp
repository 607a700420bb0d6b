// A private Xvfb for one process (a test, the benchmark or the tour), ready when the constructor
// returns.
#include "xvfb_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

#include "child_process.h"

namespace {

constexpr int kStartTimeoutMs = 15000;

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
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    // Its stdout and stderr carry only the keyboard-map compiler's chatter.
    pid_ = StartChild({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen,
                       "-nolisten", "tcp", "-noreset"},
                      {}, kDiscardOutput, kDiscardOutput);
    close(fds[1]);
    const std::string number = ReadDisplayNumber(fds[0]);
    close(fds[0]);
    if (number.empty()) {
        EndChild(pid_, SIGKILL);
        throw std::runtime_error("Xvfb did not start (is the xvfb package installed?)");
    }
    display_ = ":" + number;
}

XvfbServer::~XvfbServer() {
    if (pid_ > 0) EndChild(pid_, SIGTERM);
}

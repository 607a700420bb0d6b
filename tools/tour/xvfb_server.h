// A private Xvfb for one process (a test, the benchmark or the tour), ready when the constructor
// returns.
#pragma once

#include <sys/types.h>

#include <string>

class XvfbServer {
public:
    // Starts Xvfb with a screen of width x height x 24 and waits for it through -displayfd.
    // Throws std::runtime_error when the server does not come up within a few seconds.
    explicit XvfbServer(int width = 1280, int height = 1024);
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N", for DISPLAY or -display.
    const std::string& display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

// Openbox managing a private X server, for what a window manager does to the program's window.
#pragma once

#include <sys/types.h>

#include <string>

class OpenboxSession {
public:
    // Starts openbox on `display` and waits until it manages the screen. Throws
    // std::runtime_error when it does not within a few seconds.
    explicit OpenboxSession(const std::string& display);
    ~OpenboxSession();
    OpenboxSession(const OpenboxSession&) = delete;
    OpenboxSession& operator=(const OpenboxSession&) = delete;

private:
    pid_t pid_ = -1;
};

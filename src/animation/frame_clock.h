// When the next idle step may begin: never sooner than one display refresh after the last one.
#pragma once

#include <chrono>

using FrameTime = std::chrono::steady_clock::time_point;
using FrameDuration = std::chrono::nanoseconds;

// One refresh at `hz`; a rate the display does not know (0, as Xvfb reports) counts as 60 Hz.
FrameDuration RefreshPeriod(double hz);

class FrameClock {
public:
    using Now = FrameTime (*)();

    explicit FrameClock(FrameDuration period, Now now = std::chrono::steady_clock::now)
        : period_(period), now_(now) {}

    // How long the next step still has to wait; zero once it may begin (and before any step).
    [[nodiscard]] FrameDuration UntilNextStep() const;
    // Records that a step begins now.
    void StepBegins() { lastStep_ = now_(); }

    // Splits a wait into the whole milliseconds a GLUT timer can wait, firing up to a millisecond
    // early, and leaves the rest (under two milliseconds) to a short sleep.
    static unsigned TimerMilliseconds(FrameDuration wait);

private:
    FrameDuration period_;
    Now now_;
    FrameTime lastStep_ = FrameTime::min();
};

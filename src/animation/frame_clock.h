// When the next idle step may begin: one display refresh after the last one, but at most 60 a
// second, so the animation runs at one speed on every display.
#pragma once

#include <chrono>

using FrameTime = std::chrono::steady_clock::time_point;
using FrameDuration = std::chrono::nanoseconds;

// Time between steps on a display refreshing at `refreshHz`: one refresh, never shorter than
// 1/60 s. A rate the display does not know (0, as Xvfb reports) counts as 60 Hz.
FrameDuration StepPeriod(double refreshHz);

class FrameClock {
public:
    using Now = FrameTime (*)();

    explicit FrameClock(FrameDuration period, Now now = std::chrono::steady_clock::now)
        : period_(period), now_(now) {}

    // When the next step may begin: one period after the last began, or now before any step.
    [[nodiscard]] FrameTime NextStepAt() const;
    // How long the next step still has to wait; zero once it may begin (and before any step).
    [[nodiscard]] FrameDuration UntilNextStep() const;
    // Records that a step begins now.
    void StepBegins() { lastStep_ = now_(); }

private:
    FrameDuration period_;
    Now now_;
    FrameTime lastStep_ = FrameTime::min();
};

// When the next idle step may begin: one display refresh after the last one, but at most 60 a
// second, so the animation runs at one speed on every display.
#pragma once

#include <chrono>

using FrameTime = std::chrono::steady_clock::time_point;
using FrameDuration = std::chrono::nanoseconds;

// Time between steps on a display refreshing at `refreshHz`: one refresh, never shorter than
// 1/60 s. A rate the display does not know (0, as Xvfb reports) counts as 60 Hz.
FrameDuration StepPeriod(double refreshHz);

// What the next step's time counts from.
enum class StepTiming {
    // When the last step began: a loop that can wake at any moment makes each step when it is due.
    kFromBegin,
    // When the last step was due: where steps can only begin at the display's refreshes, the part
    // of a refresh each one waits past its time is not added to the next, so the steps keep their
    // rate on a display whose period is no whole fraction of theirs. A step more than a period
    // late counts from its own beginning: missed steps are never made up.
    kFromDue,
};

class FrameClock {
public:
    using Now = FrameTime (*)();

    explicit FrameClock(FrameDuration period, Now now = std::chrono::steady_clock::now,
                        StepTiming timing = StepTiming::kFromBegin)
        : period_(period), now_(now), timing_(timing) {}

    // When the next step may begin: one period after the last (as `timing` counts it), or now
    // before any step.
    [[nodiscard]] FrameTime NextStepAt() const;
    // How long the next step still has to wait; zero once it may begin (and before any step).
    [[nodiscard]] FrameDuration UntilNextStep() const;
    // Records that a step begins now.
    void StepBegins();

private:
    FrameDuration period_;
    Now now_;
    StepTiming timing_;
    FrameTime lastStep_ = FrameTime::min();  // what the last step's time counts as
};

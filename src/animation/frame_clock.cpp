// When the next idle step may begin: one display refresh after the last one, at most 60 a second.
#include "animation/frame_clock.h"

#include <algorithm>
#include <cmath>

namespace {
// The orbit and spin steps are sized for 60 steps a second; a faster display still gets 60.
constexpr double kMaxStepsPerSecond = 60.0;
}  // namespace

FrameDuration StepPeriod(double refreshHz) {
    const bool known = std::isfinite(refreshHz) && refreshHz > 0.0;
    const double hz = known ? std::min(refreshHz, kMaxStepsPerSecond) : kMaxStepsPerSecond;
    return std::chrono::duration_cast<FrameDuration>(std::chrono::duration<double>(1.0 / hz));
}

FrameDuration FrameClock::UntilNextStep() const {
    if (lastStep_ == FrameTime::min()) return FrameDuration::zero();
    return std::max(FrameDuration::zero(), lastStep_ + period_ - now_());
}

unsigned FrameClock::TimerMilliseconds(FrameDuration wait) {
    return static_cast<unsigned>(
        std::chrono::duration_cast<std::chrono::milliseconds>(wait).count());
}

// When the next idle step may begin: never sooner than one display refresh after the last one.
#include "animation/frame_clock.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kUnknownRefreshHz = 60.0;
}

FrameDuration RefreshPeriod(double hz) {
    if (!std::isfinite(hz) || hz <= 0.0) hz = kUnknownRefreshHz;
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

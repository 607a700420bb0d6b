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

FrameTime FrameClock::NextStepAt() const {
    return lastStep_ == FrameTime::min() ? now_() : lastStep_ + period_;
}

FrameDuration FrameClock::UntilNextStep() const {
    return std::max(FrameDuration::zero(), NextStepAt() - now_());
}

void FrameClock::StepBegins() {
    const FrameTime now = now_();
    const bool onTime = timing_ == StepTiming::kFromDue && lastStep_ != FrameTime::min() &&
                        now - NextStepAt() <= period_;
    lastStep_ = onTime ? NextStepAt() : now;
}

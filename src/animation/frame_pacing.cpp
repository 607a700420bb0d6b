// Paces the idle steps to one per display refresh, at most 60 a second, and stops them while the
// window is hidden.
//
// Each frame drawn registers its step; the window system is asked to make it once the frame
// clock allows, and the step's redraw registers the next. A late step never makes up for missed
// ones.
#include "animation/frame_pacing.h"

#include <GL/freeglut_std.h>

#include "animation/frame_clock.h"
#include "platform/window_system.h"

namespace {

struct FramePacer {
    FrameClock clock{StepPeriod(0.0), FrameStartTime};
    IdleStep step = nullptr;  // what the last frame drawn asked for
    bool hidden = false;
    bool stepArranged = false;  // the window system will make the next step
};

FramePacer pacer;

void MakeStep() {
    pacer.stepArranged = false;
    pacer.clock.StepBegins();
    pacer.step();
}

}  // namespace

void StartFramePacing(double refreshHz) {
    const StepTiming timing =
        FrameCallsAtRefreshesOnly() ? StepTiming::kFromDue : StepTiming::kFromBegin;
    pacer.clock = FrameClock(StepPeriod(refreshHz), FrameStartTime, timing);
}

void RegisterIdleStep(IdleStep step) {
    pacer.step = step;
    if (pacer.hidden || pacer.stepArranged) return;
    pacer.stepArranged = true;
    CallForNextFrame(pacer.clock.NextStepAt(), MakeStep);
}

IdleStep RegisteredIdleStep() { return pacer.step; }

bool WindowHidden() { return pacer.hidden; }

void WindowVisibilityChanged(bool hidden) {
    const bool wasHidden = pacer.hidden;
    pacer.hidden = hidden;
    if (hidden) {
        CancelFrameCall();
        pacer.stepArranged = false;
    } else if (wasHidden) {
        glutPostRedisplay();  // the frame registers its step again
    }
}

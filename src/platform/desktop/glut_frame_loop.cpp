// GLUT's loop on the desktop (X11 and Windows alike): the frame call and the window's visibility.
//
// The frame call is GLUT's idle callback, parked on a GLUT timer while the wait is long, so the
// loop sleeps in between and still handles input. freeglut's timers count whole milliseconds and
// may fire up to one early, so a wait of two milliseconds or more goes to a timer and the rest
// to a short sleep.
#include <GL/freeglut.h>

#include <thread>

#include "platform/window_system.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kShortestTimerWait = std::chrono::milliseconds(2);

struct PendingCall {
    Clock::time_point due;
    FrameCall call = nullptr;
    int generation = 0;  // a timer of an older generation was cancelled
};

PendingCall pending;
VisibilityChange visibilityChanged = nullptr;

void IdleUntilDue();

void BackToIdle(int generation) {
    if (generation == pending.generation) glutIdleFunc(IdleUntilDue);
}

void IdleUntilDue() {
    glutIdleFunc(nullptr);
    const Clock::duration wait = pending.due - Clock::now();
    if (wait >= kShortestTimerWait) {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(wait).count();
        glutTimerFunc(static_cast<unsigned>(ms), BackToIdle, pending.generation);
        return;
    }
    std::this_thread::sleep_for(wait);  // what a whole-millisecond timer could not wait
    const FrameCall call = pending.call;
    pending.call = nullptr;
    call();
}

void ReportWindowStatus(int status) {
    visibilityChanged(status == GLUT_HIDDEN || status == GLUT_FULLY_COVERED);
}

}  // namespace

Clock::time_point FrameStartTime() { return Clock::now(); }

void CallForNextFrame(Clock::time_point due, FrameCall call) {
    CancelFrameCall();
    pending.due = due;
    pending.call = call;
    glutIdleFunc(IdleUntilDue);
}

void CancelFrameCall() {
    ++pending.generation;
    pending.call = nullptr;
    glutIdleFunc(nullptr);
}

// The idle loop waits out each call's time to the millisecond and sleeps the rest.
bool FrameCallsAtRefreshesOnly() { return false; }

// GLUT itself reports size changes to the reshape callback.
void WatchWindow(VisibilityChange shownOrHidden) {
    visibilityChanged = shownOrHidden;
    glutWindowStatusFunc(ReportWindowStatus);
}

// Paces the idle steps to one per display refresh, at most 60 a second, and stops them while the
// window is hidden.
//
// The idle callback is PacedIdle. Once the previous step is less than a step period old, it
// unregisters itself and a GLUT timer brings it back, so the loop sleeps in between and still
// handles input. Each return runs one step: a late step never makes up for missed ones.
#include "animation/frame_pacing.h"

#include <GL/freeglut.h>

#include <thread>

#include "animation/frame_clock.h"

namespace {

struct FramePacer {
    FrameClock clock{StepPeriod(0.0)};
    IdleStep step = nullptr;  // what the last frame drawn asked for
    bool hidden = false;
    bool timerArmed = false;
    int timerGeneration = 0;  // a timer of an older generation was cancelled
};

FramePacer pacer;

void PacedIdle();

void BringBackIdle(int generation) {
    if (generation != pacer.timerGeneration) return;
    pacer.timerArmed = false;
    glutIdleFunc(PacedIdle);
}

void CancelTimer() {
    ++pacer.timerGeneration;
    pacer.timerArmed = false;
}

void WaitForNextStep(FrameDuration wait) {
    glutIdleFunc(nullptr);
    pacer.timerArmed = true;
    glutTimerFunc(FrameClock::TimerMilliseconds(wait), BringBackIdle, pacer.timerGeneration);
}

void PacedIdle() {
    const FrameDuration wait = pacer.clock.UntilNextStep();
    if (wait >= std::chrono::milliseconds(2)) {
        WaitForNextStep(wait);
        return;
    }
    std::this_thread::sleep_for(wait);  // what a whole-millisecond timer could not wait
    pacer.clock.StepBegins();
    pacer.step();
}

bool StatusHidesWindow(int status) { return status == GLUT_HIDDEN || status == GLUT_FULLY_COVERED; }

}  // namespace

void StartFramePacing(double refreshHz) { pacer.clock = FrameClock(StepPeriod(refreshHz)); }

void RegisterIdleStep(IdleStep step) {
    pacer.step = step;
    if (!pacer.hidden && !pacer.timerArmed) glutIdleFunc(PacedIdle);
}

IdleStep RegisteredIdleStep() { return pacer.step; }

bool WindowHidden() { return pacer.hidden; }

void WindowStatusChanged(int status) {
    const bool wasHidden = pacer.hidden;
    pacer.hidden = StatusHidesWindow(status);
    if (pacer.hidden) {
        glutIdleFunc(nullptr);
        CancelTimer();
    } else if (wasHidden) {
        glutPostRedisplay();  // the frame registers its step again
    }
}

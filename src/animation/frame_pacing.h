// Paces the idle steps to one per display refresh, at most 60 a second, and stops them while the
// window is hidden.
#pragma once

using IdleStep = void (*)();

// Takes the display's refresh rate (0 when unknown); call once the window exists.
void StartFramePacing(double refreshHz);

// A frame names the idle step that animates what it shows; the step runs once its time comes.
void RegisterIdleStep(IdleStep step);
// The step the last frame drawn asked for, null before the first frame.
IdleStep RegisteredIdleStep();

// Whether the window was last reported unseen: then nothing is drawn.
bool WindowHidden();

// The window became unseen (unmapped, fully covered, minimised, a hidden page) or seen again:
// a hidden window gets no steps; shown again, it asks for a frame.
void WindowVisibilityChanged(bool hidden);

// What differs between window systems; each system's folder (x11/, win32/) implements all of it.
#pragma once

#include "input/menu_model.h"

// Why no window can be opened, as one line for stderr, or null when one can. Asked before
// glutInit, which would otherwise end the process with a message that names nothing. When one
// can, whatever the window system refuses later also ends the process with one line saying what
// failed, and exit status 1, rather than with the system's raw report.
const char* NoWindowSystemReason(int argc, char** argv);

// The side in pixels of the first window, a square: `sidePx` as the system scales a program's
// window, but never larger than the work area of the monitor it opens on holds, frame included.
// Asked before glutInit, with the same arguments.
int FirstWindowSidePx(int argc, char** argv, int sidePx);

// Shows the UTF-8 `title` on the current GLUT window whatever the system's own code page.
void SetWindowTitle(const char* title);

// Asks that each swap of the current GLUT window wait for the display's refresh. Returns whether
// the driver took it.
bool RequestSyncedSwaps();

// The refresh rate in Hz of the display showing the current GLUT window, 0 when it is not known.
double DisplayRefreshHz();

// The current GL context, for comparison only: GL objects such as display lists belong to the
// context that made them.
const void* CurrentGlContext();

// The pop-up menu of the current GLUT window. `menu` must outlive the program's window; a choice
// calls `choose` with the chosen entry's value, once. Whatever the user should know (no menu, no
// font for the labels) goes to stderr.
using MenuChoice = void (*)(int value);
void CreateWindowMenu(const Menu& menu, const char* labelLanguage, MenuChoice choose);

// A press or release of the menu's button at (x, y) in the window: a press opens the menu.
void WindowMenuButton(bool pressed, int x, int y);

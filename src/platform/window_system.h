// What differs between window systems; each system's folder implements all of it: x11/ and win32/
// with desktop/ (what the two share through freeglut's loop), and web/ for the browser.
#pragma once

#include <chrono>

#include "menu/menu_model.h"

// What of GLUT's options the window system looks at before glutInit, as the command line gives
// them: the value of the last -display and -geometry (null where none is given), and -indirect.
struct WindowOptions {
    const char* display = nullptr;
    const char* geometry = nullptr;
    bool indirect = false;
};

// Why no window can be opened, as one line for stderr, or null when one can. Asked before
// glutInit, which would otherwise end the process with a message that names nothing. When one
// can, whatever the window system refuses later also ends the process with one line saying what
// failed, and exit status 1, rather than with the system's raw report.
const char* NoWindowSystemReason(const WindowOptions& options);

// What --help says of the GLUT options this system's GLUT acts on: the usage line's part, and
// one line for each option, each ending in a line end. Empty where the system takes none.
struct GlutOptionsHelp {
    const char* synopsis;
    const char* options;
};
GlutOptionsHelp WindowSystemOptionsHelp();

// The side in pixels of the first window, a square: `sidePx` as the system scales a program's
// window, but never larger than the work area of the monitor it opens on holds, frame included.
// Asked before glutInit.
int FirstWindowSidePx(const WindowOptions& options, int sidePx);

// Readies the system for glutInit, called just before it: keeps from glutInit what of the
// environment names nothing on this system, and in the browser puts in the page's own listeners
// that must see input before GLUT's.
void PrepareGlutEnvironment();

// Shows the UTF-8 `title` on the current GLUT window whatever the system's own code page. Called
// once, right after the window is made: a system also gives the new window there what its GLUT
// leaves out (on Windows, an answer to a change of the monitor's scale).
void SetWindowTitle(const char* title);

// Tells assistive technology, in UTF-8, what the window shows from now on, from start-up on: the
// page gives its canvas that name, X11 names the view inside the window's frame so (when a screen
// reader's bus is there); on Windows the call does nothing.
void DescribeView(const char* description);

// Asks that each swap of the current GLUT window wait for the display's refresh. Returns whether
// the driver took it.
bool RequestSyncedSwaps();

// The refresh rate in Hz of the display showing the current GLUT window, 0 when it is not known.
double DisplayRefreshHz();

// Tells `shownOrHidden` whenever the window stops being seen (unmapped, fully covered, minimised,
// a page in a hidden tab) or is seen again. Size changes reach GLUT's reshape callback; in the
// browser, where the page decides the canvas's size, this also keeps the drawing buffer matched
// to it.
using VisibilityChange = void (*)(bool hidden);
void WatchWindow(VisibilityChange shownOrHidden);

// When the frame being made began: the present moment on the desktop, the animation frame's own
// time in the browser, which keeps the display's cadence however late the page runs the frame.
std::chrono::steady_clock::time_point FrameStartTime();

// Calls `call` once, no earlier than `due` and when the window system is ready for the next frame:
// from GLUT's idle loop on the desktop, in an animation frame in the browser, never by busy
// waiting. A new call replaces one not yet made.
using FrameCall = void (*)();
void CallForNextFrame(std::chrono::steady_clock::time_point due, FrameCall call);
// Drops the call arranged and not yet made, if any.
void CancelFrameCall();
// Whether frame calls can be made only at the display's refreshes (the browser's animation
// frames), so that each is late by part of a refresh, rather than at the moment they are due.
bool FrameCallsAtRefreshesOnly();

// The pop-up menu of the current GLUT window. `menu` must outlive the program's window; a choice
// calls `choose` with the chosen entry's value, once. Whatever the user should know (no menu, no
// font for the labels) goes to stderr.
void CreateWindowMenu(const Menu& menu, const char* labelLanguage, MenuChoice choose);

// A press or release of the menu's button at (x, y) in the window: a press opens the menu.
void WindowMenuButton(bool pressed, int x, int y);
// Opens the menu from the keyboard, at the centre of the window with its first entry highlighted,
// for the arrow keys, Return and Escape; nothing when it is open already. Where the window system
// passes the Menu key on but GLUT does not (Windows, the browser), the key opens it so too.
void OpenWindowMenuByKey();

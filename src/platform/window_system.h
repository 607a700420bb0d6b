// What differs between window systems; each system's folder implements all of it: x11/ and win32/
// with desktop/ (what the two share through freeglut's loop), and web/ for the browser.
#pragma once

#include <chrono>

#include "menu/menu_model.h"

// The GLUT options that the window system reads before glutInit: the value of the last -display
// and of the last -geometry (null when not given), and whether -indirect is given.
struct WindowOptions {
    const char* display = nullptr;
    const char* geometry = nullptr;
    bool indirect = false;
};

// Speaks the user's language from here on, where the system has the program's message catalogue:
// the locale's choice (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) on Linux, the browser's languages in
// the page; English where no catalogue can be had (Windows) or none has the language asked for.
// Called first thing in main.
void UseUserLanguage();

// `english`, one of the program's messages, in the language UseUserLanguage chose: itself where
// the catalogue lacks it. The window's title, the menu's labels and the console's two lines are
// the program's interface, the same in every language, and never pass through here.
const char* Translated(const char* english);

// Returns one line for stderr saying why no window can be opened, or null when one can. Called
// before glutInit, which would otherwise end the process with a message that names no cause.
const char* NoWindowSystemReason(const WindowOptions& options);

// Installs the process-wide error handlers of the window system (X11's X error handler and X I/O
// error handler). From then on a request the system refuses, or a lost connection to it, ends the
// process with one line on stderr saying what failed and exit status 1, not with the system's raw
// report. The other systems have no such handlers.
void InstallWindowSystemErrorHandlers();

// What --help says of the GLUT options this system's GLUT acts on: the usage line's part, and
// one line for each option, each ending in a line end. Empty where the system takes none.
struct GlutOptionsHelp {
    const char* synopsis;
    const char* options;
};
GlutOptionsHelp WindowSystemOptionsHelp();

// Returns the side in pixels of the first window, a square: `sidePx` scaled as the system scales
// programs for the screen's dpi, and no larger than the work area of the monitor the window opens
// on holds with the window's frame. Called before glutInit.
int FirstWindowSidePx(const WindowOptions& options, int sidePx);

// Prepares for glutInit; called just before it. Removes environment variables that mean nothing
// on this system (DISPLAY on Windows), so that GLUT does not act on them. In the browser, adds the
// page's own input listeners, which must see events before GLUT's.
void PrepareGlutEnvironment();

// Gives the current GLUT window what the system's GLUT leaves out. Called once, right after
// glutCreateWindow. On Windows it installs the window's answer to WM_DPICHANGED; on X11 it starts
// the accessibility bridge that serves the window to screen readers.
void SetUpWindow();

// Sets the UTF-8 `title` on the current GLUT window, whatever the system's own code page.
void SetWindowTitle(const char* title);

// Tells assistive technology, in UTF-8, what the window shows from now on. The page names its
// canvas so; X11 names the view object in the window's accessible frame; Windows does nothing.
void DescribeView(const char* description);

// Asks that each swap of the current GLUT window wait for the display's refresh. Returns whether
// the driver took it.
bool RequestSyncedSwaps();

// The refresh rate in Hz of the display showing the current GLUT window, 0 when it is not known.
double DisplayRefreshHz();

// Calls `shownOrHidden` whenever the window becomes hidden (unmapped, fully covered, minimised,
// a page in a hidden tab) or visible again. Size changes reach GLUT's reshape callback; in the
// browser, where the page decides the canvas's size, this also keeps the drawing buffer matched
// to it.
using VisibilityChange = void (*)(bool hidden);
void WatchWindow(VisibilityChange shownOrHidden);

// Returns when the current frame began: now on the desktop; in the browser the animation frame's
// time stamp, which keeps the display's cadence however late the page runs the frame.
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
// calls `choose` with the chosen entry's value, once. Problems the user should know of (no menu,
// no font for the labels) go to stderr.
void CreateWindowMenu(const Menu& menu, const char* labelLanguage, MenuChoice choose);

// A press or release of the menu's button at (x, y) in the window: a press opens the menu.
void WindowMenuButton(bool pressed, int x, int y);
// Opens the menu from the keyboard, at the centre of the window with its first entry highlighted,
// for the arrow keys, Return and Escape; does nothing when it is open already. Where the window
// system reports the Menu key but GLUT does not pass it on (Windows, the browser), that key opens
// the menu too.
void OpenWindowMenuByKey();

// The seam's menu calls on X11: the program's own two-level pop-up, pumped from GLUT's loop.
#include <GL/freeglut.h>
#include <GL/glx.h>

#include <cstdio>
#include <cstdlib>

#include "platform/window_system.h"
#include "platform/x11/x11_accessible.h"
#include "platform/x11/x11_accessible_menu.h"
#include "platform/x11/x11_menu_loop.h"

namespace {

constexpr int kPumpIntervalMs = 4;

PopupMenu windowMenu;
AccessibleMenu accessibleMenu;  // what screen readers are told of it
bool pumpScheduled = false;

void PumpWindowMenu(int /*unused*/);

// The menu's connection is not GLUT's, so GLUT's loop looks at it on a timer, only while open.
void SchedulePump() {
    if (!windowMenu.controller.open || pumpScheduled) return;
    pumpScheduled = true;
    glutTimerFunc(kPumpIntervalMs, PumpWindowMenu, 0);
}

void PumpWindowMenu(int /*unused*/) {
    pumpScheduled = false;
    PumpPopupMenu(windowMenu);
    SchedulePump();
}

void FreeWindowMenu() { DisconnectPopupMenu(windowMenu); }

}  // namespace

void CreateWindowMenu(const Menu& menu, const char* labelLanguage, MenuChoice choose) {
    // freeglut's GLX context draws straight to its X window, so the current drawable is the window.
    if (!ConnectPopupMenu(windowMenu, glXGetCurrentDisplay(), glXGetCurrentDrawable(), menu,
                          labelLanguage, choose)) {
        std::fputs(
            Translated("orrery: no menu: no second connection to the X display or no font\n"),
            stderr);
        return;
    }
    if (!PopupFontCoversLabels(windowMenu)) {
        std::fputs(Translated("orrery: no installed font has Hangul, so the menu label shows "
                              "without it (Debian: install fonts-nanum)\n"),
                   stderr);
    }
    if (AccessibilityBridgeStarted()) FollowMenu(accessibleMenu, windowMenu.controller);
    std::atexit(FreeWindowMenu);  // GLUT ends the process with exit() when the window closes
}

void WindowMenuButton(bool pressed, int x, int y) {
    if (windowMenu.controller.open) {
        FeedPopupButton(windowMenu, pressed, x, y);
        SchedulePump();
    } else if (pressed && OpenPopupMenu(windowMenu, x, y, false)) {
        SchedulePump();
    }
}

// freeglut on X11 hands the Menu key to no callback, so Shift+F10 is the keyboard's way here.
void OpenWindowMenuByKey() {
    const int x = glutGet(GLUT_WINDOW_WIDTH) / 2;
    const int y = glutGet(GLUT_WINDOW_HEIGHT) / 2;
    if (OpenPopupMenu(windowMenu, x, y, true)) SchedulePump();
}

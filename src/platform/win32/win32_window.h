// The GLUT window as Win32 sees it.
#pragma once

#include <windows.h>

// freeglut keeps its window handle to itself; its current GL context draws to that window.
HWND CurrentGlutWindow();

// From now on `window` takes the size Windows suggests when it moves to a monitor of another
// scale factor, or its monitor's changes, which freeglut ignores.
void FollowMonitorScale(HWND window);

// The GLUT window as Win32 sees it.
#pragma once

#include <windows.h>

// freeglut keeps its window handle to itself; its current GL context draws to that window.
HWND CurrentGlutWindow();

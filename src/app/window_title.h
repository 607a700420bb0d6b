// Hands the window title to the X server as Unicode, which freeglut's Latin-1 title cannot carry.
#pragma once

// Sets _NET_WM_NAME (UTF8_STRING) and an ICCCM-encoded WM_NAME on the current GLUT window.
void SetUnicodeWindowTitle(const char* utf8Title);

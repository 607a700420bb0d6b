// The window for screen readers on X11: ATK objects for the program, its frame and the view, which
// the at-spi2-atk bridge hands to assistive technology over AT-SPI, and GLib's main context, which
// the bridge's D-Bus connection needs, turned from GLUT's loop.
#pragma once

#include <atk/atk.h>

// Starts the bridge for the GLUT window just made. Nothing starts with the
// environment variable NO_AT_BRIDGE=1 or without an accessibility bus (no D-Bus session, as over
// plain ssh -X); GLib's and the bridge's own reports go nowhere, so the console stays the
// program's.
void StartAccessibilityBridge();
// Names the window's frame, as its title does on the screen.
void NameAccessibleFrame(const char* title);
bool AccessibilityBridgeStarted();

// The window's frame, the parent of the view and of the open menu's objects.
AtkObject* AccessibleFrame();
// Moves the keyboard focus to `object`, or back to the view for null.
void FocusAccessible(AtkObject* object);

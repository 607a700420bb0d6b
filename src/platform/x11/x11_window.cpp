// The X11 window: the title in Unicode, and the window's start for screen readers.
#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>

#include "platform/window_system.h"
#include "platform/x11/x11_accessible.h"

namespace {

void SetNetWmName(Display* display, Window window, const char* utf8Title) {
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom netWmIconName = XInternAtom(display, "_NET_WM_ICON_NAME", False);
    const Atom utf8String = XInternAtom(display, "UTF8_STRING", False);
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8Title);
    const int length = static_cast<int>(std::strlen(utf8Title));
    XChangeProperty(display, window, netWmName, utf8String, 8, PropModeReplace, bytes, length);
    XChangeProperty(display, window, netWmIconName, utf8String, 8, PropModeReplace, bytes, length);
}

// WM_NAME in the encoding ICCCM asks for: STRING where Latin-1 suffices, COMPOUND_TEXT otherwise.
void SetWmName(Display* display, Window window, const char* utf8Title) {
    char* list[] = {const_cast<char*>(utf8Title)};
    XTextProperty property{};
    if (Xutf8TextListToTextProperty(display, list, 1, XStdICCTextStyle, &property) < Success)
        return;
    XSetWMName(display, window, &property);
    XSetWMIconName(display, window, &property);
    XFree(property.value);
}

}  // namespace

// On X11 every environment variable GLUT reads, DISPLAY first, is meant for it: none to remove.
void PrepareGlutEnvironment() {}

// Starts the accessibility bridge for the new window, so that screen readers find it.
void SetUpWindow() { StartAccessibilityBridge(); }

// freeglut hands the X server the title as Latin-1, which cannot carry Hangul: set it again as
// Unicode.
void SetWindowTitle(const char* title) {
    // freeglut's GLX contexts draw straight to the X window, so the drawable is the window.
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable window = glXGetCurrentDrawable();
    if (display == nullptr || window == 0) return;
    SetNetWmName(display, window, title);
    SetWmName(display, window, title);
    XFlush(display);
    NameAccessibleFrame(title);
}

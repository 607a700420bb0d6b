// The Win32 window: its first size on the monitor, the title in UTF-16 and the WGL context.
#include "platform/win32/win32_window.h"

#include <shellscalingapi.h>

#include <algorithm>
#include <cstdlib>

#include "platform/win32/win32_text.h"
#include "platform/window_system.h"

HWND CurrentGlutWindow() { return WindowFromDC(wglGetCurrentDC()); }

// freeglut on Windows reads all of GLUT's options, and acts on these; the rest are X's.
GlutOptionsHelp WindowSystemOptionsHelp() {
    return {" [-geometry WxH+X+Y] [-iconic] [-gldebug]",
            R"(  -geometry WxH+X+Y   window size (1 to 16384 each) and position
                      (default: 1000x1000 scaled as Windows scales the monitor, or the
                      largest square the monitor holds)
  -iconic             start minimised
  -gldebug            report OpenGL errors on stderr
)"};
}

// Windows has its desktop whenever a program runs.
const char* NoWindowSystemReason(const WindowOptions& /*options*/) { return nullptr; }

// DISPLAY, where it is set (by wine, or for an X server of WSL), names an X display: freeglut
// would take it for a Windows display device and warn that it cannot open it. Its -display option
// still names one.
void PrepareGlutEnvironment() { _putenv("DISPLAY="); }

// The window opens where Windows puts a new window, on the primary monitor. The manifest makes
// the program aware of each monitor's scale factor, so sizes here are the monitor's own pixels,
// and freeglut's frame around them is that of a WS_OVERLAPPEDWINDOW at the monitor's DPI.
int FirstWindowSidePx(const WindowOptions& /*options*/, int sidePx) {
    const HMONITOR monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    UINT dpiX = USER_DEFAULT_SCREEN_DPI;
    UINT dpi = USER_DEFAULT_SCREEN_DPI;  // Windows gives both directions the same
    if (FAILED(GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpi))) return sidePx;
    const int scaled = MulDiv(sidePx, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    RECT frame{0, 0, 0, 0};
    if (!GetMonitorInfoW(monitor, &info) ||
        !AdjustWindowRectExForDpi(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0, dpi))
        return scaled;
    const RECT& work = info.rcWork;
    const int fitsWide = (work.right - work.left) - (frame.right - frame.left);
    const int fitsHigh = (work.bottom - work.top) - (frame.bottom - frame.top);
    return std::max(1, std::min({scaled, fitsWide, fitsHigh}));
}

// freeglut registers an ANSI window class, so SetWindowTextW would narrow the title through the
// system's ANSI code page; the Unicode default procedure stores it as given, on every locale.
void SetWindowTitle(const char* title) {
    const HWND window = CurrentGlutWindow();
    if (window == nullptr) return;
    const std::wstring text = Utf16(title);
    DefWindowProcW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void DescribeView(const char* /*description*/) {}

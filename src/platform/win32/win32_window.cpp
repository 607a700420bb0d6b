// The Win32 window: its size on the monitor, first and when the monitor's scale changes, the
// title in UTF-16 and the WGL context.
#include "platform/win32/win32_window.h"

// after windows.h, which they need
#include <commctrl.h>
#include <shellscalingapi.h>

#include <algorithm>
#include <cstdlib>

#include "geometry/geometry.h"
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

// A Windows program always has a desktop to open its window on.
const char* NoWindowSystemReason(const WindowOptions& /*options*/) { return nullptr; }

// DISPLAY, where it is set (by wine, or for an X server of WSL), names an X display: freeglut
// would take it for a Windows display device and warn that it cannot open it. Its -display option
// still names one.
void PrepareGlutEnvironment() { _putenv("DISPLAY="); }

namespace {

// The monitor's work area: the screen less the taskbar and any docked bars.
bool GetWorkArea(HMONITOR monitor, RECT* work) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info) == FALSE) return false;
    *work = info.rcWork;
    return true;
}

Rect AsRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }
// AdjustWindowRectExForDpi's answer for a client area at the origin.
FrameExtents AsFrameExtents(const RECT& f) { return {-f.left, f.right, -f.top, f.bottom}; }

// Takes the rectangle Windows suggests for the new scale (the client area scaled by the ratio of
// the two scales, in the frame of the new one, placed on the new monitor), made no larger than the
// monitor's work area holds, as the first window is, and moved into the work area as far as
// needed. A per-monitor-aware window that does not handle WM_DPICHANGED keeps its size in pixels:
// half again as large on a 100 % monitor as on a 150 % one.
void TakeSuggestedRect(HWND window, UINT dpi, const RECT& suggested) {
    RECT frame{0, 0, 0, 0};
    RECT work{};
    if (!AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)),
                                  FALSE, static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)),
                                  dpi) ||
        !GetWorkArea(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST), &work))
        return;
    const SIZE frameSize{frame.right - frame.left, frame.bottom - frame.top};
    const Size wanted{suggested.right - suggested.left - frameSize.cx,
                      suggested.bottom - suggested.top - frameSize.cy};
    // No room for a client area: wine, for one, sends zeros when the message comes from another
    // process. The window keeps its size rather than vanish.
    if (wanted.width <= 0 || wanted.height <= 0) return;
    const Size client = FittedSize(AsRect(work), AsFrameExtents(frame), wanted);
    const LONG width = client.width + frameSize.cx;
    const LONG height = client.height + frameSize.cy;
    const LONG left = std::max(work.left, std::min(suggested.left, work.right - width));
    const LONG top = std::max(work.top, std::min(suggested.top, work.bottom - height));
    SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Handles WM_DPICHANGED, which freeglut's window procedure ignores. GLUT's reshape callback learns
// the new size from the WM_SIZE that follows, as for any resize.
LRESULT CALLBACK AnswerScaleChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    if (message != WM_DPICHANGED || lParam == 0)
        return DefSubclassProc(window, message, wParam, lParam);
    TakeSuggestedRect(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    return 0;
}

}  // namespace

// The window opens where Windows puts a new window, on the primary monitor. The manifest makes
// the program aware of each monitor's scale factor, so sizes here are the monitor's own pixels,
// and freeglut's frame around them is that of a WS_OVERLAPPEDWINDOW at the monitor's DPI.
int FirstWindowSidePx(const WindowOptions& /*options*/, int sidePx) {
    const HMONITOR monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    UINT dpiX = 0;
    UINT dpi = 0;  // Windows gives both directions the same
    if (FAILED(GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpi))) return sidePx;
    const int scaled = ScaledSidePx(sidePx, dpi);
    RECT frame{0, 0, 0, 0};
    RECT work{};
    if (!GetWorkArea(monitor, &work) ||
        !AdjustWindowRectExForDpi(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0, dpi))
        return scaled;
    return FittedSize(AsRect(work), AsFrameExtents(frame), {scaled, scaled}).width;
}

// Windows has no process-wide error handler to install.
void InstallWindowSystemErrorHandlers() {}

// Sends the window's WM_DPICHANGED to AnswerScaleChange, through a window subclass.
void SetUpWindow() {
    const HWND window = CurrentGlutWindow();
    if (window != nullptr) SetWindowSubclass(window, AnswerScaleChange, 0, 0);
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

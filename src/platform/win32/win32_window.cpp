// The Win32 window: the title in UTF-16 and the WGL context.
#include "platform/win32/win32_window.h"

#include "platform/win32/win32_text.h"
#include "platform/window_system.h"

HWND CurrentGlutWindow() { return WindowFromDC(wglGetCurrentDC()); }

// Windows has its desktop whenever a program runs.
const char* NoWindowSystemReason(int /*argc*/, char** /*argv*/) { return nullptr; }

int FirstWindowSidePx(int /*argc*/, char** /*argv*/, int sidePx) { return sidePx; }

// freeglut registers an ANSI window class, so SetWindowTextW would narrow the title through the
// system's ANSI code page; the Unicode default procedure stores it as given, on every locale.
void SetWindowTitle(const char* title) {
    const HWND window = CurrentGlutWindow();
    if (window == nullptr) return;
    const std::wstring text = Utf16(title);
    DefWindowProcW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

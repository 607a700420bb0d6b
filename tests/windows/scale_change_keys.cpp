// orrery.exe with two keys that send its window the WM_DPICHANGED of a move to a monitor of
// another scale, which wine, with one scale for every monitor, never sends: F5 suggests the
// window at half again its client size, F6 a rectangle of no size. The message goes through
// the window's own procedure, and neither key reaches the program.
#include <windows.h>

namespace {

// What Windows suggests: the client area scaled, with the frame of the window's scale, in place.
RECT HalfAgainAsLarge(HWND window) {
    RECT client{}, placed{};
    GetClientRect(window, &client);
    GetWindowRect(window, &placed);
    RECT rect{0, 0, MulDiv(client.right, 3, 2), MulDiv(client.bottom, 3, 2)};
    AdjustWindowRectExForDpi(&rect, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)),
                             GetDpiForWindow(window));
    OffsetRect(&rect, placed.left - rect.left, placed.top - rect.top);
    return rect;
}

LRESULT CALLBACK SendScaleChange(int code, WPARAM key, LPARAM flags) {
    const HWND window = GetFocus();
    if (code != HC_ACTION || (key != VK_F5 && key != VK_F6) || window == nullptr)
        return CallNextHookEx(nullptr, code, key, flags);
    if ((HIWORD(flags) & KF_UP) == 0) {
        const RECT suggested = key == VK_F5 ? HalfAgainAsLarge(window) : RECT{};
        const WORD dpi = static_cast<WORD>(GetDpiForWindow(window));
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }
    return 1;
}

[[maybe_unused]] const HHOOK hook =
    SetWindowsHookExW(WH_KEYBOARD, SendScaleChange, nullptr, GetCurrentThreadId());

}  // namespace

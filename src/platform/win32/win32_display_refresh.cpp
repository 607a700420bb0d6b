// What a Windows display offers for pacing: swaps that wait for its refresh, and its refresh rate.
#include "platform/win32/win32_window.h"
#include "platform/window_system.h"

namespace {
using SwapIntervalProc = BOOL(WINAPI*)(int interval);
}  // namespace

bool RequestSyncedSwaps() {
    // WGL_EXT_swap_control; a driver without it answers null. void(*)() casts to any function type.
    const auto swapInterval = reinterpret_cast<SwapIntervalProc>(
        reinterpret_cast<void (*)()>(wglGetProcAddress("wglSwapIntervalEXT")));
    return swapInterval != nullptr && swapInterval(1) != FALSE;
}

double DisplayRefreshHz() {
    const HMONITOR monitor = MonitorFromWindow(CurrentGlutWindow(), MONITOR_DEFAULTTOPRIMARY);
    MONITORINFOEXW monitorInfo{};
    monitorInfo.cbSize = sizeof monitorInfo;
    if (GetMonitorInfoW(monitor, &monitorInfo) == FALSE) return 0.0;
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (EnumDisplaySettingsW(monitorInfo.szDevice, ENUM_CURRENT_SETTINGS, &mode) == FALSE)
        return 0.0;
    // 0 and 1 stand for the hardware's default rate, which Windows does not name.
    return mode.dmDisplayFrequency > 1 ? static_cast<double>(mode.dmDisplayFrequency) : 0.0;
}

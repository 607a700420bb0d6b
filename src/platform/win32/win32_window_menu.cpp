// The GLUT window's pop-up menu on Windows: a native menu, which Windows itself places and tracks.
#include <cstdlib>

#include "platform/win32/win32_text.h"
#include "platform/win32/win32_window.h"
#include "platform/window_system.h"

namespace {

HMENU windowMenu = nullptr;
MenuChoice chooseEntry = nullptr;

// An entry's command identifier is its value; no chosen entry has 0, which means no choice.
HMENU BuildPopup(const Menu& entries) {
    const HMENU popup = CreatePopupMenu();
    for (const MenuEntry& entry : entries) {
        const std::wstring label = Utf16(entry.label);
        if (entry.submenu.empty()) {
            AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(entry.value), label.c_str());
        } else {
            const HMENU submenu = BuildPopup(entry.submenu);  // destroyed with its parent
            AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), label.c_str());
        }
    }
    return popup;
}

void FreeWindowMenu() { DestroyMenu(windowMenu); }

}  // namespace

void CreateWindowMenu(const Menu& menu, const char* /*labelLanguage*/, MenuChoice choose) {
    chooseEntry = choose;
    windowMenu = BuildPopup(menu);
    std::atexit(FreeWindowMenu);  // GLUT ends the process with exit() when the window closes
}

// Windows runs its own loop until the menu closes, then says which entry was chosen, if any.
void WindowMenuButton(bool pressed, int x, int y) {
    if (!pressed || windowMenu == nullptr) return;
    const HWND window = CurrentGlutWindow();
    POINT at{x, y};
    ClientToScreen(window, &at);
    ReleaseCapture();  // freeglut captured the pointer for the press; the menu needs it now
    constexpr UINT kFlags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD;
    const BOOL chosen = TrackPopupMenuEx(windowMenu, kFlags, at.x, at.y, window, nullptr);
    if (chosen != 0) chooseEntry(static_cast<int>(chosen));
}

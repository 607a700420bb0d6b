// The GLUT window's pop-up menu on Windows: a native menu, which Windows itself places and tracks.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <cstdlib>

#include "platform/win32/win32_text.h"
#include "platform/win32/win32_window.h"
#include "platform/window_system.h"

namespace {

HMENU windowMenu = nullptr;
MenuChoice chooseEntry = nullptr;
bool tracking = false;  // the menu is open, in Windows' own loop

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

// Windows runs its own loop until the menu closes, then says which entry was chosen, if any.
void TrackWindowMenu(HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    constexpr UINT kFlags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD;
    tracking = true;
    const BOOL chosen = TrackPopupMenuEx(windowMenu, kFlags, at.x, at.y, window, nullptr);
    tracking = false;
    if (chosen != 0) chooseEntry(static_cast<int>(chosen));
}

// freeglut hands the Menu key to no callback and keeps its release, of which the default window
// procedure would make WM_CONTEXTMENU, to itself: the key is caught here, ahead of freeglut.
LRESULT CALLBACK WatchMenuKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                              UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    if (message == WM_KEYUP && wParam == VK_APPS) {
        OpenWindowMenuByKey();
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void FreeWindowMenu() { DestroyMenu(windowMenu); }

}  // namespace

void CreateWindowMenu(const Menu& menu, const char* /*labelLanguage*/, MenuChoice choose) {
    chooseEntry = choose;
    windowMenu = BuildPopup(menu);
    SetWindowSubclass(CurrentGlutWindow(), WatchMenuKey, 0, 0);
    std::atexit(FreeWindowMenu);  // GLUT ends the process with exit() when the window closes
}

void WindowMenuButton(bool pressed, int x, int y) {
    if (!pressed || windowMenu == nullptr) return;
    ReleaseCapture();  // freeglut captured the pointer for the press; the menu needs it now
    TrackWindowMenu(CurrentGlutWindow(), x, y);
}

void OpenWindowMenuByKey() {
    if (windowMenu == nullptr || tracking) return;
    const HWND window = CurrentGlutWindow();
    RECT client{};
    GetClientRect(window, &client);
    // The menu's loop takes this Down key first: it highlights the menu's one entry, as a menu
    // opened from the keyboard shows, so that Return and Right open its list at once.
    PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    TrackWindowMenu(window, client.right / 2, client.bottom / 2);
}

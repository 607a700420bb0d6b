// The pop-up menu's event loop, on its own X connection, for another client's window: opened by a
// button press in that window or a key, it holds the pointer and the keyboard until a choice or a
// close.
#pragma once

#include <X11/Xlib.h>

#include <array>
#include <vector>

#include "menu/menu_model.h"
#include "platform/x11/x11_menu_drawing.h"

struct PopupMenu {
    MenuDrawing drawing;              // on the menu's own connection
    Display* ownerDisplay = nullptr;  // the connection of the window the menu opens over
    Window ownerWindow = 0;
    const Menu* menu = nullptr;
    MenuWindow main;
    std::vector<MenuWindow> submenus;  // per main entry; no window for an entry without submenu

    // While open:
    bool open = false;
    MenuSession session;
    Rect monitor;  // the one the menu opened on, which holds both menus
    Rect mainRect;
    int ownerX = 0, ownerY = 0;           // the owner window's origin on the screen
    int shownSubmenu = -1;                // main-menu row whose submenu window is mapped
    std::array<int, 2> drawnHighlight{};  // per level, as the windows show it
};

// Opens a connection of its own to the owner's display and builds the windows of `menu`, which must
// outlive them. The font is a sans-serif face covering language `lang`. False when no connection or
// no font can be had; the menu then never opens.
bool ConnectPopupMenu(PopupMenu& popup, Display* ownerDisplay, Window ownerWindow, const Menu& menu,
                      const char* lang);
void DisconnectPopupMenu(PopupMenu& popup);
// Whether the font has a glyph for every character of every label.
bool PopupFontCoversLabels(const PopupMenu& popup);

// Opens the menu at (x, y) in the owner window, taking the pointer and the keyboard: for a button
// press there, or `byKey` for a key, with the first entry highlighted wherever the pointer is.
// False, with nothing shown, when it is open already or the input cannot be had.
bool OpenPopupMenu(PopupMenu& popup, int x, int y, bool byKey);
// A button event the owner window received while the menu was open (before the menu took the
// pointer), at (x, y) in the owner window.
MenuStep FeedPopupButton(PopupMenu& popup, bool pressed, int x, int y);
// Handles what the menu's connection has received; the menu closes on any step but kStay.
MenuStep PumpPopupMenu(PopupMenu& popup);

// The pop-up menu's event loop, on its own X connection, for another client's window: opened by a
// button press in that window or a key, it holds the pointer and the keyboard until a choice or a
// close.
#pragma once

#include <X11/Xlib.h>

#include <vector>

#include "menu/menu_controller.h"
#include "menu/menu_model.h"
#include "platform/x11/x11_menu_drawing.h"

// The menu's windows, shown and highlighted for the controller in the screen's coordinates.
struct PopupMenu final : MenuLists {
    MenuDrawing drawing;              // on the menu's own connection
    Display* ownerDisplay = nullptr;  // the connection of the window the menu opens over
    Window ownerWindow = 0;
    MenuWindow main;
    std::vector<MenuWindow> submenus;  // per main entry; no window for an entry without submenu
    MenuController controller;
    int ownerX = 0, ownerY = 0;  // while open, the owner window's origin on the screen

    bool TakeInput() override;
    void ReleaseInput() override;
    void ShowList(int list, const Rect& where) override;
    void HideList(int list) override;
    void HighlightRow(int list, int row) override;
};

// Opens a connection of its own to the owner's display and builds the windows of `menu`, which must
// outlive them; a choice calls `choose`. The font is a sans-serif face covering language `lang`.
// False when no connection or no font can be had; the menu then never opens.
bool ConnectPopupMenu(PopupMenu& popup, Display* ownerDisplay, Window ownerWindow, const Menu& menu,
                      const char* lang, MenuChoice choose);
void DisconnectPopupMenu(PopupMenu& popup);
// Whether the font has a glyph for every character of every label.
bool PopupFontCoversLabels(const PopupMenu& popup);

// Opens the menu at (x, y) in the owner window, taking the pointer and the keyboard: for a button
// press there, or `byKey` for a key, with the first entry highlighted wherever the pointer is.
// False, with nothing shown, when it is open already or the input cannot be had.
bool OpenPopupMenu(PopupMenu& popup, int x, int y, bool byKey);
// A press or release of the right button the owner window received while the menu was open
// (before the menu took the pointer), at (x, y) in the owner window.
void FeedPopupButton(PopupMenu& popup, bool pressed, int x, int y);
// Handles what the menu's connection has received, until the menu closes.
void PumpPopupMenu(PopupMenu& popup);

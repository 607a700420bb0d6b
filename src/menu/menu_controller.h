// One two-level pop-up menu, open or closed: where it opens, the spot under the pointer, what each
// press, release, motion and key does, and its lists kept in line with it, through the few calls
// each window system provides.
#pragma once

#include <array>
#include <vector>

#include "menu/menu_model.h"

// What a window system does for the menu. Lists are numbered 0 for the main menu and 1 + row for
// the submenu of main-menu row `row`.
class MenuLists {
public:
    virtual ~MenuLists() = default;
    // Grabs the pointer and the keyboard for the menu until ReleaseInput; false when the grab
    // fails.
    virtual bool TakeInput() = 0;
    virtual void ReleaseInput() = 0;
    virtual void ShowList(int list, const Rect& where) = 0;
    virtual void HideList(int list) = 0;
    // Highlights row `row` of `list`, or no row for -1; a list gets its highlight before it shows.
    virtual void HighlightRow(int list, int row) = 0;
};

struct MenuController {
    const Menu* menu = nullptr;  // must outlive the controller
    RowLayout rows;
    std::vector<int> widths;  // per list, numbered as for MenuLists; 0 for a row without submenu
    MenuLists* lists = nullptr;
    MenuChoice choose = nullptr;  // called with the chosen entry's value once the menu has closed

    // While open:
    bool open = false;
    MenuSession session;
    Rect area;  // the monitor or page area the menu opened in, which holds both lists
    Rect mainRect;
    int shownSubmenu = -1;             // main-menu row whose submenu shows
    std::array<int, 2> highlighted{};  // per level, as the lists show it
};

// Opens the menu with its corner at (x, y) within `area`: for a button pressed there and still
// held, or `byKey` with the first entry highlighted wherever the pointer is. False, with nothing
// shown, when it is open already or the input cannot be had.
bool OpenMenu(MenuController& menu, const Rect& area, int x, int y, bool byKey);
// Input while open, at (x, y) in the coordinates of `area`; nothing while closed. Buttons count
// from 0 for the left one, as the DOM counts them: 0 to 2 click, the wheel and the rest do not.
void MoveMenuPointerTo(MenuController& menu, int x, int y);
void MenuButton(MenuController& menu, bool pressed, int button, int x, int y);
void MenuKeyDown(MenuController& menu, MenuKey key);
void CloseMenu(MenuController& menu);
// Chooses the entry of value `value` as a click on it does: the menu closes and `choose` is told.
// Nothing while closed. For assistive technology, which may choose any entry of the open menu.
void ChooseMenuEntry(MenuController& menu, int value);

// A key by the name X11 gives its keysym or the DOM its key value; null names no key.
MenuKey MenuKeyNamed(const char* name);

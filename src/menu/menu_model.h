// Pop-up menus as data and rules: placement on the screen, the row under the pointer, and what the
// pointer, the buttons and the keys do to an open menu. No window system here.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "geometry/geometry.h"

struct MenuEntry {
    std::string label;               // UTF-8
    int value = 0;                   // handed on when the entry is chosen
    std::vector<MenuEntry> submenu;  // empty for an entry that is chosen rather than opened
};
using Menu = std::vector<MenuEntry>;
using MenuChoice = void (*)(int value);  // called with the chosen entry's value

// Rows of equal height as wide as the menu, with a frame of `frame` pixels above and below them.
struct RowLayout {
    int frame = 0;
    int rowHeight = 0;
};
int MenuHeight(const RowLayout& layout, int rows);
int RowTop(const Rect& menu, const RowLayout& layout, int row);  // same coordinates as `menu`
// The row of `menu` holding point (x, y), or -1 for the frame and everything outside.
int RowAt(const Rect& menu, const RowLayout& layout, int rows, int x, int y);

// The monitor holding point (x, y), else the one nearest to it (a point in a gap between monitors
// of different sizes); `screen` when there is no monitor. Menus are placed within it.
Rect MonitorAt(const std::vector<Rect>& monitors, int x, int y, const Rect& screen);

// A menu of `width` x `height` with its top-left corner at (x, y), shifted left and up as far as
// needed to lie on `screen`, but never past the screen's left or top edge.
Rect PlaceMenu(int x, int y, int width, int height, const Rect& screen);
// A submenu beside `parent` with its first row level with the entry row starting at `entryTop`:
// on the right, or on the left when only that side has room, and shifted to fit the screen.
Rect PlaceSubmenu(const Rect& parent, int entryTop, const RowLayout& layout, int width, int height,
                  const Rect& screen);

// Where the pointer is: menu level 0 (the main menu) or 1 (the submenu) and a row in it; level -1
// is outside every menu, row -1 on no row.
struct MenuSpot {
    int level = -1;
    int row = -1;
};
MenuSpot SpotAt(const Rect& main, int mainRows, const Rect* submenu, int submenuRows,
                const RowLayout& layout, int x, int y);

enum class MenuKey { kUp, kDown, kLeft, kRight, kEnter, kEscape, kOther };
enum class MenuOutcome { kStay, kClose, kChoose };
struct MenuStep {
    MenuOutcome outcome = MenuOutcome::kStay;
    int value = 0;  // the chosen entry's, for kChoose
};

// One opening of a two-level menu, from the press that opened it until a choice or a close.
struct MenuSession {
    const Menu* menu = nullptr;
    int submenuOf = -1;                    // the main-menu row whose submenu shows, or -1
    std::array<int, 2> highlight{-1, -1};  // highlighted row per level, or -1
    int keyLevel = 0;                      // the level the arrow keys move in
    bool buttonHeld = false;               // a press in this session, not yet released
    bool openingPress = false;             // that press is the one that opened the menu
    bool moved = false;                    // the pointer has left that press's position since
    int pressX = 0, pressY = 0;
};

// A session opened by a press at (x, y) that is still held.
MenuSession StartMenuSession(const Menu& menu, int x, int y);
// A session opened from the keyboard: no button held, the first entry highlighted for the keys.
MenuSession StartKeyMenuSession(const Menu& menu);
// The entries shown at `level`: the main menu, or the open submenu (empty when none is open).
const Menu& EntriesAt(const MenuSession& session, int level);
void MoveMenuPointer(MenuSession& session, MenuSpot spot, int x, int y);
MenuStep PressMenuButton(MenuSession& session, MenuSpot spot, int x, int y);
MenuStep ReleaseMenuButton(MenuSession& session, MenuSpot spot, int x, int y);
MenuStep PressMenuKey(MenuSession& session, MenuKey key);

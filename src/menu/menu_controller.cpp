// One two-level pop-up menu, open or closed: where it opens, the spot under the pointer, what each
// press, release, motion and key does, and its lists kept in line with it, through the few calls
// each window system provides.
#include "menu/menu_controller.h"

#include <string_view>
#include <utility>

namespace {

constexpr int kUnshown = -2;  // a highlight no list can show: the next Highlight sets it regardless
constexpr int kClickingButtons = 3;

int Rows(const Menu& entries) { return static_cast<int>(entries.size()); }

Rect SubmenuRect(const MenuController& menu, int row) {
    const int entryTop = RowTop(menu.mainRect, menu.rows, row);
    const int rows = Rows((*menu.menu)[static_cast<std::size_t>(row)].submenu);
    return PlaceSubmenu(menu.mainRect, entryTop, menu.rows,
                        menu.widths[static_cast<std::size_t>(row) + 1], MenuHeight(menu.rows, rows),
                        menu.area);
}

MenuSpot Spot(const MenuController& menu, int x, int y) {
    const int row = menu.session.submenuOf;
    const Rect submenu = row >= 0 ? SubmenuRect(menu, row) : Rect{};
    return SpotAt(menu.mainRect, Rows(*menu.menu), row >= 0 ? &submenu : nullptr,
                  Rows(EntriesAt(menu.session, 1)), menu.rows, x, y);
}

// Sets a list's highlight only where it differs from what the list shows.
void Highlight(MenuController& menu, int level) {
    const auto index = static_cast<std::size_t>(level);
    const int row = menu.session.highlight[index];
    if (menu.highlighted[index] == row) return;
    menu.lists->HighlightRow(level == 0 ? 0 : 1 + menu.shownSubmenu, row);
    menu.highlighted[index] = row;
}

// Brings the lists in line with the session: the right submenu shown, the highlights set.
void ShowSession(MenuController& menu) {
    const int wanted = menu.session.submenuOf;
    if (menu.shownSubmenu != wanted) {
        if (menu.shownSubmenu >= 0) menu.lists->HideList(1 + menu.shownSubmenu);
        menu.shownSubmenu = wanted;
        menu.highlighted[1] = kUnshown;
        if (wanted >= 0) {
            Highlight(menu, 1);
            menu.lists->ShowList(1 + wanted, SubmenuRect(menu, wanted));
        }
    }
    if (menu.shownSubmenu >= 0) Highlight(menu, 1);
    Highlight(menu, 0);
}

void Settle(MenuController& menu, MenuStep step) {
    if (step.outcome == MenuOutcome::kStay) {
        ShowSession(menu);
        return;
    }
    CloseMenu(menu);
    if (step.outcome == MenuOutcome::kChoose) menu.choose(step.value);
}

}  // namespace

bool OpenMenu(MenuController& menu, const Rect& area, int x, int y, bool byKey) {
    if (menu.open || !menu.lists->TakeInput()) return false;
    menu.area = area;
    menu.mainRect =
        PlaceMenu(x, y, menu.widths[0], MenuHeight(menu.rows, Rows(*menu.menu)), menu.area);
    if (byKey) {
        menu.session = StartKeyMenuSession(*menu.menu);
    } else {
        menu.session = StartMenuSession(*menu.menu, x, y);
        // The menu may have been shifted under the pointer.
        MoveMenuPointer(menu.session, Spot(menu, x, y), x, y);
    }
    menu.highlighted = {kUnshown, kUnshown};
    Highlight(menu, 0);
    menu.lists->ShowList(0, menu.mainRect);
    menu.open = true;
    ShowSession(menu);
    return true;
}

void MoveMenuPointerTo(MenuController& menu, int x, int y) {
    if (!menu.open) return;
    MoveMenuPointer(menu.session, Spot(menu, x, y), x, y);
    ShowSession(menu);
}

void MenuButton(MenuController& menu, bool pressed, int button, int x, int y) {
    if (!menu.open || button < 0 || button >= kClickingButtons) return;
    const MenuSpot spot = Spot(menu, x, y);
    Settle(menu, pressed ? PressMenuButton(menu.session, spot, x, y)
                         : ReleaseMenuButton(menu.session, spot, x, y));
}

void MenuKeyDown(MenuController& menu, MenuKey key) {
    if (menu.open) Settle(menu, PressMenuKey(menu.session, key));
}

void CloseMenu(MenuController& menu) {
    if (!menu.open) return;
    if (menu.shownSubmenu >= 0) menu.lists->HideList(1 + menu.shownSubmenu);
    menu.lists->HideList(0);
    menu.lists->ReleaseInput();
    menu.shownSubmenu = -1;
    menu.open = false;
}

void ChooseMenuEntry(MenuController& menu, int value) {
    if (menu.open) Settle(menu, {MenuOutcome::kChoose, value});
}

MenuKey MenuKeyNamed(const char* name) {
    // X11 names the keypad's keys with KP_ before them; the DOM its arrows with Arrow.
    static constexpr std::pair<std::string_view, MenuKey> kKeys[] = {
        {"Up", MenuKey::kUp},         {"Down", MenuKey::kDown},    {"Left", MenuKey::kLeft},
        {"Right", MenuKey::kRight},   {"Return", MenuKey::kEnter}, {"Enter", MenuKey::kEnter},
        {"Escape", MenuKey::kEscape},
    };
    if (name == nullptr) return MenuKey::kOther;
    std::string_view key = name;
    for (const std::string_view prefix : {"KP_", "Arrow"}) {
        if (key.substr(0, prefix.size()) == prefix) key.remove_prefix(prefix.size());
    }
    for (const auto& [known, menuKey] : kKeys) {
        if (known == key) return menuKey;
    }
    return MenuKey::kOther;
}

// Pop-up menus as data and rules: placement on the screen, the row under the pointer, and what the
// pointer, the buttons and the keys do to an open menu. No window system here.
#include "menu/menu_model.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kClickSlopPx = 4;  // a hand's tremble: a release this near its press has not moved

// Moves a span of `length` from `start` back until it ends on the screen, then forward until it
// starts on it; returns the new start.
int FitSpan(int start, int length, int screenStart, int screenLength) {
    start = std::min(start, screenStart + screenLength - length);
    return std::max(start, screenStart);
}

// Squared distance from point (x, y) to the nearest pixel of `rect`; 0 inside it.
long long DistanceSquared(const Rect& rect, int x, int y) {
    const long long dx = std::max({rect.x - x, 0, x - (rect.x + rect.width - 1)});
    const long long dy = std::max({rect.y - y, 0, y - (rect.y + rect.height - 1)});
    return dx * dx + dy * dy;
}

const MenuEntry* EntryAt(const MenuSession& session, MenuSpot spot) {
    if (spot.level < 0 || spot.row < 0) return nullptr;
    const Menu& entries = EntriesAt(session, spot.level);
    if (spot.row >= static_cast<int>(entries.size())) return nullptr;
    return &entries[static_cast<std::size_t>(spot.row)];
}

const MenuEntry& MainEntry(const MenuSession& session, int row) {
    return (*session.menu)[static_cast<std::size_t>(row)];
}

// Shows the submenu of main-menu row `row`, if it has one, in place of any other.
void ShowSubmenuOf(MenuSession& session, int row) {
    const int wanted = MainEntry(session, row).submenu.empty() ? -1 : row;
    if (wanted == session.submenuOf) return;
    session.submenuOf = wanted;
    session.highlight[1] = -1;
}

void CloseSubmenu(MenuSession& session) {
    session.submenuOf = -1;
    session.highlight[1] = -1;
    session.keyLevel = 0;
}

// The keyboard's way in: opens the highlighted entry's submenu with its first row highlighted.
void EnterSubmenu(MenuSession& session) {
    const int row = session.highlight[0];
    if (session.keyLevel != 0 || row < 0 || MainEntry(session, row).submenu.empty()) return;
    session.submenuOf = row;
    session.keyLevel = 1;
    session.highlight[1] = 0;
}

// Up and Down, wrapping round; from no highlight they start at the first or the last row.
void MoveHighlight(MenuSession& session, int by) {
    const int level = session.keyLevel;
    const int count = static_cast<int>(EntriesAt(session, level).size());
    if (count == 0) return;
    int& row = session.highlight[static_cast<std::size_t>(level)];
    row = row < 0 ? (by > 0 ? 0 : count - 1) : (row + by + count) % count;
    if (level == 0 && row != session.submenuOf) CloseSubmenu(session);
}

MenuStep Choose(const MenuEntry& entry) { return {MenuOutcome::kChoose, entry.value}; }

MenuStep Activate(MenuSession& session) {
    const int level = session.keyLevel;
    const MenuEntry* entry =
        EntryAt(session, {level, session.highlight[static_cast<std::size_t>(level)]});
    if (entry == nullptr) return {};
    if (entry->submenu.empty()) return Choose(*entry);
    EnterSubmenu(session);
    return {};
}

}  // namespace

int MenuHeight(const RowLayout& layout, int rows) {
    return 2 * layout.frame + rows * layout.rowHeight;
}

int RowTop(const Rect& menu, const RowLayout& layout, int row) {
    return menu.y + layout.frame + row * layout.rowHeight;
}

int RowAt(const Rect& menu, const RowLayout& layout, int rows, int x, int y) {
    if (!Contains(menu, x, y) || layout.rowHeight <= 0) return -1;
    const int offset = y - RowTop(menu, layout, 0);
    if (offset < 0) return -1;
    const int row = offset / layout.rowHeight;
    return row < rows ? row : -1;
}

Rect MonitorAt(const std::vector<Rect>& monitors, int x, int y, const Rect& screen) {
    const auto nearer = [x, y](const Rect& a, const Rect& b) {
        return DistanceSquared(a, x, y) < DistanceSquared(b, x, y);
    };
    const auto nearest = std::min_element(monitors.begin(), monitors.end(), nearer);
    return nearest != monitors.end() ? *nearest : screen;
}

Rect PlaceMenu(int x, int y, int width, int height, const Rect& screen) {
    return {FitSpan(x, width, screen.x, screen.width), FitSpan(y, height, screen.y, screen.height),
            width, height};
}

Rect PlaceSubmenu(const Rect& parent, int entryTop, const RowLayout& layout, int width, int height,
                  const Rect& screen) {
    const int right = parent.x + parent.width;
    const int left = parent.x - width;
    const bool roomOnRight = right + width <= screen.x + screen.width;
    const int x = roomOnRight || left < screen.x ? right : left;
    return {FitSpan(x, width, screen.x, screen.width),
            FitSpan(entryTop - layout.frame, height, screen.y, screen.height), width, height};
}

MenuSpot SpotAt(const Rect& main, int mainRows, const Rect* submenu, int submenuRows,
                const RowLayout& layout, int x, int y) {
    if (submenu != nullptr && Contains(*submenu, x, y))
        return {1, RowAt(*submenu, layout, submenuRows, x, y)};
    if (Contains(main, x, y)) return {0, RowAt(main, layout, mainRows, x, y)};
    return {};
}

MenuSession StartMenuSession(const Menu& menu, int x, int y) {
    MenuSession session;
    session.menu = &menu;
    session.buttonHeld = true;
    session.openingPress = true;
    session.pressX = x;
    session.pressY = y;
    return session;
}

MenuSession StartKeyMenuSession(const Menu& menu) {
    MenuSession session;
    session.menu = &menu;
    session.highlight[0] = 0;
    return session;
}

const Menu& EntriesAt(const MenuSession& session, int level) {
    static const Menu kNone;
    if (level == 0) return *session.menu;
    return session.submenuOf < 0 ? kNone : MainEntry(session, session.submenuOf).submenu;
}

void MoveMenuPointer(MenuSession& session, MenuSpot spot, int x, int y) {
    if (session.buttonHeld && (std::abs(x - session.pressX) > kClickSlopPx ||
                               std::abs(y - session.pressY) > kClickSlopPx))
        session.moved = true;
    if (spot.level == 0 && spot.row >= 0) {
        session.highlight[0] = spot.row;
        session.keyLevel = 0;
        ShowSubmenuOf(session, spot.row);
    } else if (spot.level == 1) {
        session.highlight[1] = spot.row;
        session.keyLevel = 1;
    } else {
        // Off every row: an open submenu stays, and so does its entry's highlight.
        session.highlight[1] = -1;
        if (session.submenuOf < 0) session.highlight[0] = -1;
    }
}

MenuStep PressMenuButton(MenuSession& session, MenuSpot spot, int x, int y) {
    if (spot.level < 0) return {MenuOutcome::kClose};
    session.buttonHeld = true;
    session.openingPress = false;
    session.moved = false;
    session.pressX = x;
    session.pressY = y;
    MoveMenuPointer(session, spot, x, y);
    return {};
}

MenuStep ReleaseMenuButton(MenuSession& session, MenuSpot spot, int x, int y) {
    if (!session.buttonHeld) return {};  // its press came before the menu
    MoveMenuPointer(session, spot, x, y);
    const bool moved = session.moved;
    const bool opening = session.openingPress;
    session.buttonHeld = session.openingPress = session.moved = false;
    const MenuEntry* entry = EntryAt(session, spot);
    // The press that opened the menu, released where it was, leaves the menu open for a click.
    if (entry != nullptr)
        return entry->submenu.empty() && (moved || !opening) ? Choose(*entry) : MenuStep{};
    return {moved ? MenuOutcome::kClose : MenuOutcome::kStay};
}

MenuStep PressMenuKey(MenuSession& session, MenuKey key) {
    switch (key) {
    case MenuKey::kEscape: return {MenuOutcome::kClose};
    case MenuKey::kUp: MoveHighlight(session, -1); break;
    case MenuKey::kDown: MoveHighlight(session, 1); break;
    case MenuKey::kRight: EnterSubmenu(session); break;
    case MenuKey::kLeft:
        if (session.keyLevel == 1) CloseSubmenu(session);
        break;
    case MenuKey::kEnter: return Activate(session);
    case MenuKey::kOther: break;
    }
    return {};
}

// The pop-up menu for screen readers: while it is open, each main-menu entry is a child of the
// window's frame (a menu for an entry with a submenu, whose entries are its menu items), the
// highlighted entry has the focus, and an entry's action chooses it as a click does.
#include "platform/x11/x11_accessible_menu.h"

#include <string>

#include "platform/x11/x11_accessible.h"
#include "platform/x11/x11_accessible_object.h"

namespace {

MenuController* chooser = nullptr;  // the controller whose entries the actions choose

void ChooseEntry(int value) { ChooseMenuEntry(*chooser, value); }

// Labels may end in blanks that only space them on the screen.
std::string SpokenLabel(const std::string& label) {
    return label.substr(0, label.find_last_not_of(' ') + 1);
}

AtkObject* NewEntry(const MenuEntry& entry) {
    const bool opens = !entry.submenu.empty();
    AtkObject* object =
        NewAccessible(opens ? ATK_ROLE_MENU : ATK_ROLE_MENU_ITEM, SpokenLabel(entry.label).c_str(),
                      {ATK_STATE_ENABLED, ATK_STATE_SENSITIVE, ATK_STATE_VISIBLE,
                       ATK_STATE_FOCUSABLE, ATK_STATE_SELECTABLE});
    if (opens)
        SetAccessibleState(object, ATK_STATE_EXPANDABLE, true);
    else
        SetAccessibleAction(object, ChooseEntry, entry.value);
    return object;
}

std::vector<AtkObject*>& ListRows(AccessibleMenu& menu, int list) {
    return menu.rows[static_cast<std::size_t>(list)];
}

// The highlighted row of the deepest list shown, or null.
AtkObject* HighlightedRow(AccessibleMenu& menu) {
    AtkObject* found = nullptr;
    for (std::size_t list = 0; list < menu.rows.size(); ++list) {
        if (menu.shown[list] && menu.highlighted[list] >= 0)
            found = menu.rows[list][static_cast<std::size_t>(menu.highlighted[list])];
    }
    return found;
}

void Select(AccessibleMenu& menu, AtkObject* row) {
    if (menu.selected != nullptr) SetAccessibleState(menu.selected, ATK_STATE_SELECTED, false);
    menu.selected = row;
    if (row != nullptr) SetAccessibleState(row, ATK_STATE_SELECTED, true);
}

// Gives the focus to the highlighted row, or back to the view once the menu has closed. Settled
// when GLib's loop next turns, after the whole step: a choice closes the submenu, then the menu,
// then changes the view, and only the view, with its new description, should be announced.
gboolean SettleFocus(gpointer data) {
    AccessibleMenu& menu = *static_cast<AccessibleMenu*>(data);
    menu.focusPending = false;
    AtkObject* row = menu.shown[0] ? HighlightedRow(menu) : nullptr;
    if (menu.shown[0] && row == nullptr) return G_SOURCE_REMOVE;  // no row under the pointer
    if (row != menu.selected) Select(menu, row);
    FocusAccessible(row);
    return G_SOURCE_REMOVE;
}

void SettleFocusSoon(AccessibleMenu& menu) {
    if (menu.focusPending) return;
    menu.focusPending = true;
    g_idle_add(SettleFocus, &menu);
}

void ShowRows(AccessibleMenu& menu, int list, bool shown) {
    menu.shown[static_cast<std::size_t>(list)] = shown;
    for (AtkObject* row : ListRows(menu, list)) SetAccessibleState(row, ATK_STATE_SHOWING, shown);
    if (list > 0) {
        AtkObject* entry = ListRows(menu, 0)[static_cast<std::size_t>(list - 1)];
        SetAccessibleState(entry, ATK_STATE_EXPANDED, shown);
    }
}

}  // namespace

bool AccessibleMenu::TakeInput() { return drawn->TakeInput(); }

void AccessibleMenu::ReleaseInput() { drawn->ReleaseInput(); }

void AccessibleMenu::ShowList(int list, const Rect& where) {
    drawn->ShowList(list, where);
    if (list == 0) {
        for (AtkObject* entry : ListRows(*this, 0)) AddAccessibleChild(AccessibleFrame(), entry);
    }
    ShowRows(*this, list, true);
    SettleFocusSoon(*this);
}

void AccessibleMenu::HideList(int list) {
    drawn->HideList(list);
    ShowRows(*this, list, false);
    if (list == 0) {
        for (AtkObject* entry : ListRows(*this, 0)) RemoveAccessibleChild(AccessibleFrame(), entry);
    }
    SettleFocusSoon(*this);
}

void AccessibleMenu::HighlightRow(int list, int row) {
    drawn->HighlightRow(list, row);
    highlighted[static_cast<std::size_t>(list)] = row;
    SettleFocusSoon(*this);
}

void FollowMenu(AccessibleMenu& menu, MenuController& controller) {
    menu.drawn = controller.lists;
    controller.lists = &menu;
    chooser = &controller;
    menu.rows.emplace_back();
    for (const MenuEntry& entry : *controller.menu) menu.rows[0].push_back(NewEntry(entry));
    for (std::size_t row = 0; row < controller.menu->size(); ++row) {
        std::vector<AtkObject*>& items = menu.rows.emplace_back();
        for (const MenuEntry& inner : (*controller.menu)[row].submenu) {
            items.push_back(NewEntry(inner));
            AddAccessibleChild(menu.rows[0][row], items.back());
        }
    }
    menu.highlighted.assign(menu.rows.size(), -1);
    menu.shown.assign(menu.rows.size(), false);
}

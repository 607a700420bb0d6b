// The pop-up menu for screen readers: while it is open, each main-menu entry is a child of the
// window's frame (a menu for an entry with a submenu, whose entries are its menu items), the
// highlighted entry has the focus, and an entry's action chooses it as a click does.
#pragma once

#include <atk/atk.h>

#include <vector>

#include "menu/menu_controller.h"

// Stands between a menu controller and the lists it drives, passing every call on.
struct AccessibleMenu final : MenuLists {
    MenuLists* drawn = nullptr;  // the lists on the screen
    // Per list as the controller numbers them: the objects of its rows, the row highlighted,
    // whether it shows.
    std::vector<std::vector<AtkObject*>> rows;
    std::vector<int> highlighted;
    std::vector<bool> shown;
    AtkObject* selected = nullptr;
    bool focusPending = false;

    bool TakeInput() override;
    void ReleaseInput() override;
    void ShowList(int list, const Rect& where) override;
    void HideList(int list) override;
    void HighlightRow(int list, int row) override;
};

// Puts `menu` between `controller`, whose menu must outlive both, and the lists it drives.
void FollowMenu(AccessibleMenu& menu, MenuController& controller);

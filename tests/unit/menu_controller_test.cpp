// The menu controller: opening by a press or from the keyboard, and the lists it shows,
// highlights and hides through the window system's calls before a choice.
#include "menu/menu_controller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/body_menu.h"
#include "rect_text.h"

namespace {

std::string menuLog;  // what the controller asked of the window system, and the choice, in order

struct LoggedLists final : MenuLists {
    bool inputFree = true;
    bool TakeInput() override { return menuLog += "take ", inputFree; }
    void ReleaseInput() override { menuLog += "release "; }
    void ShowList(int list, const Rect& r) override {
        menuLog += "show" + std::to_string(list) + "@" + Text(r) + " ";
    }
    void HideList(int list) override { menuLog += "hide" + std::to_string(list) + " "; }
    void HighlightRow(int list, int row) override {
        menuLog += "light" + std::to_string(list) + ":" + std::to_string(row) + " ";
    }
};

TEST(MenuController, OpensByKeyOrPressAndShowsEachListHighlightedBeforeChoosing) {
    LoggedLists lists;
    MenuController menu;
    menu.menu = &BodyMenu();
    menu.rows = {4, 25};
    menu.widths = {150, 200};
    menu.lists = &lists;
    menu.choose = [](int value) { menuLog += "chose" + std::to_string(value); };
    const Rect screen{0, 0, 1280, 1024};
    // From the keyboard in the screen's corner: Right opens the list, three Downs reach Earth.
    ASSERT_TRUE(OpenMenu(menu, screen, 1279, 1023, true));
    EXPECT_FALSE(OpenMenu(menu, screen, 0, 0, false)) << "open already";
    for (const char* key : std::vector<const char*>{"Right", "KP_Down", "ArrowDown", "F10", nullptr,
                                                    "Down", "Return"})
        MenuKeyDown(menu, MenuKeyNamed(key));
    EXPECT_EQ(menuLog,
              "take light0:0 show0@150x33+1130+991 light1:0 show1@200x258+930+766 light1:1 "
              "light1:2 light1:3 hide1 hide0 release chose5");
    // Pressed at (500, 500), dragged over the entry and onto Mars; the wheel does nothing.
    menuLog.clear();
    ASSERT_TRUE(OpenMenu(menu, screen, 500, 500, false));
    MoveMenuPointerTo(menu, 520, 515);
    MenuButton(menu, true, 3, 700, 609);
    MoveMenuPointerTo(menu, 700, 609);
    MenuButton(menu, false, 2, 700, 609);
    EXPECT_EQ(menuLog,
              "take light0:-1 show0@150x33+500+500 light1:-1 show1@200x258+650+500 light0:0 "
              "light1:4 hide1 hide0 release chose6");
    // Input that cannot be had opens nothing; Escape closes.
    menuLog.clear();
    lists.inputFree = false;
    EXPECT_FALSE(OpenMenu(menu, screen, 500, 500, false));
    lists.inputFree = true;
    ASSERT_TRUE(OpenMenu(menu, screen, 500, 500, false));
    MenuKeyDown(menu, MenuKeyNamed("Escape"));
    EXPECT_EQ(menuLog, "take take light0:-1 show0@150x33+500+500 hide0 release ");
}

}  // namespace

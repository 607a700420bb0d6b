// The pop-up menu's rules: placement on the screen and its monitors, the row under the pointer, and
// what the pointer, the buttons and the keys do to an open menu.
#include "menu/menu_model.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "input/body_menu.h"
#include "rect_text.h"

namespace {

TEST(MenuPlacement, MenusLieOnTheScreenAndSubmenusBesideTheirEntry) {
    const Rect screen{0, 0, 1280, 1024};
    const RowLayout rows{4, 25};
    // The main menu's top-left corner at the pointer, shifted back where it would leave the screen.
    EXPECT_EQ(Text(PlaceMenu(500, 500, 150, 33, screen)), "150x33+500+500");
    EXPECT_EQ(Text(PlaceMenu(0, 0, 150, 33, screen)), "150x33+0+0");
    EXPECT_EQ(Text(PlaceMenu(1279, 10, 150, 33, screen)), "150x33+1130+10");
    EXPECT_EQ(Text(PlaceMenu(10, 1023, 150, 33, screen)), "150x33+10+991");
    EXPECT_EQ(Text(PlaceMenu(1279, 1023, 150, 33, screen)), "150x33+1130+991");
    EXPECT_EQ(Text(PlaceMenu(50, 50, 150, 33, {0, 0, 100, 20})), "150x33+0+0")
        << "larger than the screen: its top-left corner stays on it";

    // The submenu's first row level with the entry (its frame above), on the right if there is
    // room, else on the left, shifted up when there is no room below.
    const Rect main{500, 500, 150, 33};
    EXPECT_EQ(Text(PlaceSubmenu(main, 504, rows, 200, 258, screen)), "200x258+650+500");
    const Rect atRight{1130, 500, 150, 33};
    EXPECT_EQ(Text(PlaceSubmenu(atRight, 504, rows, 200, 258, screen)), "200x258+930+500");
    const Rect atBottomRight{1130, 991, 150, 33};
    EXPECT_EQ(Text(PlaceSubmenu(atBottomRight, 995, rows, 200, 258, screen)), "200x258+930+766");
    // No room on either side: as far right as fits; no room above or below: at the top.
    EXPECT_EQ(Text(PlaceSubmenu({100, 0, 150, 33}, 4, rows, 200, 258, {0, 0, 300, 200})),
              "200x258+100+0");
}

TEST(MenuPlacement, MenusStayOnThePointersMonitor) {
    // A tall monitor on the left and a shorter one on its right, top edges level: the X screen
    // spans both, and holds a region below the right one that no monitor shows.
    const Rect screen{0, 0, 3200, 1200};
    const std::vector<Rect> monitors{{0, 0, 1920, 1200}, {1920, 0, 1280, 720}};
    const RowLayout rows{4, 25};
    EXPECT_EQ(Text(MonitorAt(monitors, 100, 1100, screen)), "1920x1200+0+0");
    EXPECT_EQ(Text(MonitorAt(monitors, 1920, 0, screen)), "1280x720+1920+0");
    EXPECT_EQ(Text(MonitorAt(monitors, 3000, 1000, screen)), "1280x720+1920+0")
        << "in the region no monitor shows: the nearest monitor";
    EXPECT_EQ(Text(MonitorAt({}, 3000, 1000, screen)), "3200x1200+0+0") << "no monitors reported";

    // Opened low on the right monitor: shifted up onto it, not left in the region below it.
    const Rect right = MonitorAt(monitors, 3000, 700, screen);
    const Rect main = PlaceMenu(3000, 700, 150, 33, right);
    EXPECT_EQ(Text(main), "150x33+3000+687");
    EXPECT_EQ(Text(PlaceSubmenu(main, 691, rows, 200, 258, right)), "200x258+2800+462");
    // Opened at the left monitor's right edge: the submenu flips left rather than cross over.
    const Rect left = MonitorAt(monitors, 1900, 1000, screen);
    const Rect edge = PlaceMenu(1900, 1000, 150, 33, left);
    EXPECT_EQ(Text(edge), "150x33+1770+1000");
    EXPECT_EQ(Text(PlaceSubmenu(edge, 1004, rows, 200, 258, left)), "200x258+1570+942");
}

TEST(MenuPlacement, RowsOfEqualHeightInsideTheFrameAreFoundUnderThePointer) {
    const RowLayout rows{4, 25};
    const Rect submenu{100, 100, 200, MenuHeight(rows, 10)};
    EXPECT_EQ(submenu.height, 258);
    const std::vector<std::pair<int, int>> yRow{{100, -1}, {103, -1}, {104, 0}, {128, 0},
                                                {129, 1},  {328, 8},  {353, 9}, {354, -1},
                                                {357, -1}, {358, -1}};
    for (const auto& [y, row] : yRow) EXPECT_EQ(RowAt(submenu, rows, 10, 150, y), row) << y;
    EXPECT_EQ(RowAt(submenu, rows, 10, 99, 150), -1);
    EXPECT_EQ(RowAt(submenu, rows, 10, 300, 150), -1);
    EXPECT_EQ(RowTop(submenu, rows, 3), 179);

    const Rect main{0, 100, 100, MenuHeight(rows, 1)};
    auto spot = [&](int x, int y) {
        const MenuSpot s = SpotAt(main, 1, &submenu, 10, rows, x, y);
        return std::to_string(s.level) + "," + std::to_string(s.row);
    };
    EXPECT_EQ(spot(50, 110), "0,0");
    EXPECT_EQ(spot(50, 101), "0,-1");
    EXPECT_EQ(spot(150, 110), "1,0");
    EXPECT_EQ(spot(150, 340), "1,9");
    EXPECT_EQ(spot(50, 300), "-1,-1");
    EXPECT_EQ(SpotAt(main, 1, nullptr, 0, rows, 150, 110).level, -1) << "no submenu shown";
}

// Plays a script on the body menu opened by a press at (0, 0), its top-left corner, whose button
// is still held. Pointer moves: f back to (0, 0) and j to (3, 3), both on the main menu's frame;
// F onto that frame far from the press; M onto the main menu's entry; 0 … 9 onto a body in the
// submenu; O outside both menus. v and ^ press and release a button where the pointer is. Keys:
// U D L R up, down, left, right; E Enter; X Escape. Returns "chose <value>", "closed", or what
// stays open: the submenu if shown and the highlighted rows.
std::string PlayMenu(const std::string& script) {
    MenuSession session = StartMenuSession(BodyMenu(), 0, 0);
    MenuSpot spot{0, -1};
    int x = 0, y = 0;
    for (const char c : script) {
        MenuStep step;
        const auto move = [&](MenuSpot to, int toX, int toY) {
            spot = to, x = toX, y = toY;
            MoveMenuPointer(session, spot, x, y);
        };
        switch (c) {
        case 'f': move({0, -1}, 0, 0); break;
        case 'j': move({0, -1}, 3, 3); break;
        case 'F': move({0, -1}, 140, 31); break;
        case 'M': move({0, 0}, 20, 15); break;
        case 'O': move({-1, -1}, 600, 600); break;
        case 'v': step = PressMenuButton(session, spot, x, y); break;
        case '^': step = ReleaseMenuButton(session, spot, x, y); break;
        case 'U': step = PressMenuKey(session, MenuKey::kUp); break;
        case 'D': step = PressMenuKey(session, MenuKey::kDown); break;
        case 'L': step = PressMenuKey(session, MenuKey::kLeft); break;
        case 'R': step = PressMenuKey(session, MenuKey::kRight); break;
        case 'E': step = PressMenuKey(session, MenuKey::kEnter); break;
        case 'X': step = PressMenuKey(session, MenuKey::kEscape); break;
        default: move({1, c - '0'}, 200, 5 + 25 * (c - '0')); break;
        }
        if (step.outcome == MenuOutcome::kChoose) return "chose " + std::to_string(step.value);
        if (step.outcome == MenuOutcome::kClose) return "closed";
    }
    return std::string("open") + (session.submenuOf == 0 ? " with submenu" : "") + ", highlight " +
           std::to_string(session.highlight[0]) + " " + std::to_string(session.highlight[1]);
}

TEST(MenuSession, PointerButtonsAndKeysChooseOrCloseAsDesktopMenusDo) {
    const struct {
        const char* script;
        const char* result;
    } cases[] = {
        // Press, drag onto a body, release there.
        {"M3^", "chose 5"},
        {"M", "open with submenu, highlight 0 -1"},
        {"M3", "open with submenu, highlight 0 3"},
        {"M3F", "open with submenu, highlight 0 -1"},
        {"M^", "open with submenu, highlight 0 -1"},  // released on the entry: the list stays
        {"M3O^", "closed"},                           // released over no entry after moving
        {"F^", "closed"},
        // A click opens the menu, released where pressed (or a tremble away); a click chooses.
        {"^", "open, highlight -1 -1"},
        {"j^", "open, highlight -1 -1"},
        {"^M9v^", "chose 11"},
        {"^M3v9^", "chose 11"},                        // pressed on one body, released on another
        {"^M9^", "open with submenu, highlight 0 9"},  // a stray release chooses nothing
        {"^M9O", "open with submenu, highlight 0 -1"},
        {"^Ov", "closed"},  // a press outside, any button
        {"^M3Ov", "closed"},
        {"^Fv^", "open, highlight -1 -1"},  // a click on the frame
        {"^Mv^", "open with submenu, highlight 0 -1"},
        {"^fv^Xv", "closed"},
        // Keys: Down and Up move and wrap, Right or Enter open the list, Enter chooses, Left
        // closes the list, Escape closes all.
        {"^D", "open, highlight 0 -1"},
        {"^U", "open, highlight 0 -1"},
        {"^DR", "open with submenu, highlight 0 0"},
        {"^DE", "open with submenu, highlight 0 0"},
        {"^DRDDDE", "chose 5"},
        {"^DRUE", "chose 11"},
        {"^DRDDDDDDDDDDE", "chose 2"},
        {"^DRL", "open, highlight 0 -1"},
        {"^DRLL", "open, highlight 0 -1"},
        {"^DRLE", "open with submenu, highlight 0 0"},
        {"^DRR", "open with submenu, highlight 0 0"},
        {"^E", "open, highlight -1 -1"},
        {"^R", "open, highlight -1 -1"},
        {"^DRX", "closed"},
        {"X", "closed"},
        // Pointer and keys together: keys act in the menu the pointer was last over.
        {"^MR", "open with submenu, highlight 0 0"},
        {"^MD", "open with submenu, highlight 0 -1"},
        {"^M3DE", "chose 6"},
        {"^M3LM", "open with submenu, highlight 0 -1"},
        {"M3DD^", "chose 5"},  // a release picks what lies under the pointer
    };
    for (const auto& c : cases) EXPECT_EQ(PlayMenu(c.script), c.result) << c.script;
}

}  // namespace

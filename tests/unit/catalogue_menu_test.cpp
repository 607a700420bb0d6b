// The start-up state, lookups into the body catalogue, the body menu's data, placement and rules,
// its controller, choosing a body from it, and the first window's size on the screen.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "geometry/fitting.h"
#include "input/body_menu.h"
#include "menu/menu_controller.h"
#include "menu/menu_model.h"
#include "platform/x11/x11_menu_drawing.h"

namespace {

TEST(InitialSceneState, StartsInTheOverviewFromAboveFront) {
    const SceneState s = InitialSceneState();
    EXPECT_EQ((std::vector<float>{s.pitch, s.yaw, s.nRange, s.lastMouseX, s.lastMouseY, s.spinAngle,
                                  s.tiltAngle, s.spinStep}),
              (std::vector<float>{15.01f, 340, 50, 0, 0, 0, 0, 0}));
    EXPECT_EQ((std::vector<int>{s.viewMode, s.dragging}), (std::vector<int>{1, 0}));
    const std::array<float, 9> angles{90, 320, 120, 280, 340, 180, 110, 220, 60};
    EXPECT_EQ(s.orbitAngle, angles);
    EXPECT_EQ(scene.orbitAngle, angles) << "the global scene starts from the same values";
}

// Every column of every row: names, menu values, colours, radii, angles, steps, tilts, ranges and
// descriptions; the Sun has no orbit (its cells are unused) and no range of its own.
TEST(BodyCatalogue, HoldsTheTablesNumbersAndFindsMenuValuesTwoToEleven) {
    // clang-format off
    const std::vector<std::string> table{
        "Sun 2 230,50,0 0 6 0 0 255,0,0 0.4 0 nan 태양 가까이 보기: 자전축을 따라 도는 태양",
        "Mercury 3 255,0,0 7 0.6 90 4.09 250,50,50 0.2 -0.1 10 수성 가까이 보기: 자전축을 따라 도는 수성",
        "Venus 4 255,110,0 10 1.8 320 1.602 255,110,0 0.09 -357 10 금성 가까이 보기: 자전축을 따라 도는 금성",
        "Earth 5 60,90,250 14.2 1.9 120 1 60,90,250 1 -23 10 지구 가까이 보기: 자전축을 따라 도는 지구",
        "Mars 6 230,50,30 17.8 1 280 0.72 230,50,30 0.9 -25 10 화성 가까이 보기: 자전축을 따라 도는 화성",
        "Jupiter 7 90,110,160 23 3.8 340 0.5 90,110,160 2.43 -3 10 목성 가까이 보기: 자전축을 따라 도는 목성",
        "Saturn 8 130,80,30 31 3.4 180 0.38 130,80,30 2.34 -27 10 토성 가까이 보기: 자전축을 따라 도는 토성",
        "Uranus 9 80,150,240 38 2.5 110 0.2 80,150,240 1.34 -98 10 천왕성 가까이 보기: 자전축을 따라 도는 천왕성",
        "Neptune 10 60,110,200 44 2.4 220 0.1 60,110,200 1.25 -30 10 해왕성 가까이 보기: 자전축을 따라 도는 해왕성",
        "Pluto 11 130,220,250 48 0.5 60 0.05 130,220,250 0.156 -120 10 명왕성 가까이 보기: 자전축을 따라 도는 명왕성",
    };
    // clang-format on
    std::vector<std::string> rows;
    for (int value = 2; value <= 11; ++value) {
        const BodyInfo* b = FindBody(value);
        ASSERT_NE(b, nullptr) << value;
        EXPECT_EQ(b, value == 2 ? &Sun() : &Planet(value - 3));
        const Rgb o = b->overviewColour, c = b->closeUpColour;
        char row[256];  // %g spells these floats as the table does
        std::snprintf(row, sizeof row, "%s %d %d,%d,%d %g %g %g %g %d,%d,%d %g %g %g %s", b->name,
                      b->menuValue, o.r, o.g, o.b, b->orbitRadius, b->sphereRadius, b->initialAngle,
                      b->orbitStep, c.r, c.g, c.b, b->spinStep, b->tilt,
                      b->closeUpRange.value_or(std::nanf("")), b->closeUpDescription);
        rows.emplace_back(row);
    }
    EXPECT_EQ(rows, table);
    for (int value : {-5, 0, 1, 12}) EXPECT_EQ(FindBody(value), nullptr) << value;
}

TEST(SelectBodyOn, SetsTheBodysSpinTiltAndRangeAndLogsTheValue) {
    struct Case {
        int before, value;  // before: a body chosen first, 0 for none
        float spinStep, tilt, nRange;
    };
    // Every body's numbers are the catalogue's, checked above; a few show that they are copied.
    // clang-format off
    const Case cases[] = {
        {0, 2, 0.4f, 0.0f, 50},      {0, 3, 0.2f, -0.1f, 10},   {0, 11, 0.156f, -120.0f, 10},
        {7, 2, 0.4f, 0.0f, 10},      {5, 5, 1.0f, -23.0f, 10},  // the Sun keeps a planet's range
        {5, 0, 1.0f, -23.0f, 10},    {5, 1, 1.0f, -23.0f, 10},  // no such body: only viewMode
        {5, 12, 1.0f, -23.0f, 10},   {5, -5, 1.0f, -23.0f, 10},
    };
    // clang-format on
    for (const Case& c : cases) {
        SceneState s = InitialSceneState();
        testing::internal::CaptureStdout();
        if (c.before != 0) SelectBodyOn(s, c.before);
        s.spinAngle = 123.5f;
        SelectBodyOn(s, c.value);
        const std::string first = c.before != 0 ? std::to_string(c.before) + " select \n" : "";
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  first + std::to_string(c.value) + " select \n");
        EXPECT_EQ((std::vector<float>{s.spinStep, s.tiltAngle, s.nRange, s.spinAngle}),
                  (std::vector<float>{c.spinStep, c.tilt, c.nRange, 123.5f}))
            << c.before << " then " << c.value;
        EXPECT_EQ(s.viewMode, c.value);
    }
}

TEST(BodyMenu, OneKoreanEntryOpensTheTenBodiesInCatalogueOrder) {
    const Menu& menu = BodyMenu();
    ASSERT_EQ(menu.size(), 1u);
    EXPECT_EQ(menu[0].label,
              "\xED\x96\x89\xEC\x84\xB1\xED\x95\x98\xEB\x82\x98\xEC\x94\xA9 "
              "\xEB\xB3\xB4\xEA\xB8\xB0 ")  // UTF-8, with its trailing space
        << "행성하나씩 보기 ";
    ASSERT_EQ(menu[0].submenu.size(), BodyCatalogue.size());
    for (std::size_t i = 0; i < BodyCatalogue.size(); ++i) {  // the rows pinned above, in order
        const MenuEntry& body = menu[0].submenu[i];
        EXPECT_EQ(body.label, BodyCatalogue[i].name);
        EXPECT_EQ(body.value, BodyCatalogue[i].menuValue);
        EXPECT_TRUE(body.submenu.empty()) << body.label;
    }
}

std::string Text(const Rect& r) {
    return std::to_string(r.width) + "x" + std::to_string(r.height) + "+" + std::to_string(r.x) +
           "+" + std::to_string(r.y);
}

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

TEST(FirstWindowPlacement, LargestSquareTheMonitorsWorkAreaHoldsWithTheFrameAtMost1000) {
    const FrameExtents frame{1, 1, 20, 5};
    EXPECT_EQ(FittingSquareSide({0, 0, 1366, 768}, frame, 1000), 743);
    EXPECT_EQ(FittingSquareSide({0, 0, 1920, 1080}, frame, 1000), 1000) << "room to spare";
    EXPECT_EQ(FittingSquareSide({0, 0, 1280, 1024}, frame, 1000), 999) << "frame included";
    EXPECT_EQ(FittingSquareSide({0, 0, 900, 2000}, {}, 1000), 900) << "narrow and tall";
    EXPECT_EQ(FittingSquareSide({0, 0, 10, 10}, {8, 8, 8, 8}, 1000), 1) << "no room at all";
    // Other shapes keep theirs, rounded as Win32's MulDiv rounds.
    const Size wide = FittedSize({0, 0, 1366, 768}, frame, {1600, 900});
    EXPECT_EQ(std::make_pair(wide.width, wide.height), std::make_pair(1321, 743));
    // The work area spans both monitors of the screen above, less a panel along its bottom.
    const Rect workArea{0, 0, 3200, 1160};
    EXPECT_EQ(Text(Intersection(workArea, {1920, 0, 1280, 720})), "1280x720+1920+0");
    EXPECT_EQ(Text(Intersection(workArea, {0, 0, 1920, 1200})), "1920x1160+0+0");
    EXPECT_EQ(Text(Intersection({0, 0, 10, 10}, {20, 20, 5, 5})), "0x0+20+20") << "apart";
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

TEST(MenuPlacement, FontSizeFollowsXftDpiWithAReadableDefault) {
    EXPECT_NEAR(MenuFontPixels(nullptr), 14.67, 0.01) << "11 points at 96 dpi";
    EXPECT_NEAR(MenuFontPixels("192"), 29.33, 0.01);
    EXPECT_NEAR(MenuFontPixels("120.5"), 18.41, 0.01);
    for (const char* unusable : {"", "dpi", "0", "-96", "nan", "inf"})
        EXPECT_NEAR(MenuFontPixels(unusable), 14.67, 0.01) << unusable;
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

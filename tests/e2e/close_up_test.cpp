// The right-button menu and the close-ups of the running program, with size changes around them.
#include <X11/keysym.h>

#include "e2e_fixture.h"
#include "scene_probes.h"

namespace {

constexpr int kWindowPx = 1000;
constexpr int kShortWindowPx = 800;
const std::string kNarrowedSizeOutput = "ChangeSize call, nRange=10.000000";

class CloseUp : public RunningOrrery {
protected:
    static std::string CloseUpFindings(const BodyView& body, bool seenFromBehind,
                                       int height = kWindowPx) {
        return PollProbe(app(), [&](const Picture& p) {
            return CloseUpOf(p, body, seenFromBehind, kWindowPx, height);
        });
    }

    // The menus gone and the keyboard and pointer free again, for the program and every other.
    static bool MenusClosed() {
        return PollUntil([] { return app().ShownMenus().empty() && app().InputFree(); });
    }

    static std::string Choose(const char* name, MenuOpening how = MenuOpening::kClick) {
        const int index = BodyIndex(name);
        EXPECT_TRUE(app().ChooseBody(index, how)) << "the menu stayed open after choosing " << name;
        if (!MenusClosed()) return std::string("the menu kept the keyboard or the pointer");
        return NextOutput(SelectLine(kBodyViews[index]).size());
    }

    // Whatever a case did to the window's place, the next finds it at `place` again.
    static void MoveBack(const Box& place) { ASSERT_TRUE(app().Move(place.x, place.y)); }

    static std::string SelectLine(const BodyView& body) {
        return std::to_string(body.menuValue) + " select \n";
    }
};

TEST_F(CloseUp, FirstOpeningShowsTheKoreanLabelAndTheTenBodiesWhole) {
    EXPECT_EQ(startUpOutput(), kStartUpOutput);
    const OpenMenu menu = app().OpenBodyMenu();  // the program's first menu
    EXPECT_EQ(MenuTextRows(menu.mainAtFirstSight), 1) << "the pop-up holds the submenu entry only";
    EXPECT_EQ(HangulLabelFindings(menu.mainAtFirstSight), Failures{});
    EXPECT_EQ(MenuTextRows(menu.submenuAtFirstSight), OrreryDriver::kBodyEntries);
    EXPECT_EQ(menu.submenuBox.x, menu.mainBox.x + menu.mainBox.width) << "submenu beside the entry";
    EXPECT_EQ(menu.submenuBox.y, menu.mainBox.y) << "submenu's first row level with the entry";
    for (Window w : {menu.main, menu.submenu}) {
        EXPECT_EQ(app().AtomProperty(w, "_NET_WM_WINDOW_TYPE"), "_NET_WM_WINDOW_TYPE_POPUP_MENU");
    }
    // The row under the pointer shows white on blue; the wheel over it chooses nothing.
    app().HoverBody(menu, 3);
    const int earthRow = menu.submenuBox.height * 7 / 20;  // the middle of the fourth of ten rows
    EXPECT_TRUE(PollUntil([&] {
        return NearColour(app().Grab(menu.submenu).At(3, earthRow), kMenuHighlight);
    })) << "Earth's row is not highlighted";
    app().TurnWheel();
    app().TypeKey(XK_a);  // the menu holds the keyboard: no view from above
    app().TypeKey(XK_Escape);
    EXPECT_TRUE(MenusClosed()) << "Escape leaves the menus open";
    EXPECT_EQ(GridFindings(15.01, 340.0), "") << "still the overview at its start-up view";
    app().TypeKey(XK_s);
    EXPECT_EQ(GridFindings(0.0, 90.0), "") << "the key after Escape went astray";

    app().OpenBodyMenu();
    app().Click(1, kWindowPx / 10, kWindowPx / 10);  // beside the menus
    EXPECT_TRUE(MenusClosed()) << "a click outside leaves the menus open";
    app().TypeKey(XK_d);
    EXPECT_EQ(GridFindings(15.0, 340.0), "") << "the key after a click outside went astray";
    EXPECT_EQ(app().Console(), kStartUpOutput);
}

TEST_F(CloseUp, MenuOpenedAtTheScreensBottomRightCornerLiesOnIt) {
    const Box home = app().Geometry(app().window());
    const Box screen = app().Screen();
    ASSERT_TRUE(app().Move(screen.width - home.width, screen.height - home.height));
    const OpenMenu menu =
        app().OpenBodyMenuAt(screen.width - 2, screen.height - 2, MenuOpening::kClick);
    for (const Box& b : {menu.mainBox, menu.submenuBox}) {
        EXPECT_TRUE(b.x >= 0 && b.y >= 0 && b.x + b.width <= screen.width &&
                    b.y + b.height <= screen.height)
            << b.width << "x" << b.height << "+" << b.x << "+" << b.y << " is not wholly on "
            << screen.width << "x" << screen.height;
    }
    EXPECT_EQ(menu.submenuBox.x + menu.submenuBox.width, menu.mainBox.x)
        << "no room on the right: the submenu opens on the left";
    app().TypeKey(XK_Escape);
    EXPECT_TRUE(MenusClosed());
    MoveBack(home);
    EXPECT_EQ(app().Console(), kStartUpOutput);
}

TEST_F(CloseUp, EachBodyShowsItsWireSphereAndTiltedAxis) {
    bool seenFromBehind = false;  // the Sun's close-up looks from behind until the next resize
    for (const BodyView& body : kBodyViews) {
        SCOPED_TRACE(body.name);
        // Sun to Mars chosen by clicks, the rest with the arrow keys and Return.
        ASSERT_EQ(Choose(body.name, body.menuValue > 6 ? MenuOpening::kKeys : MenuOpening::kClick),
                  SelectLine(body));
        seenFromBehind = seenFromBehind || body.menuValue == kBodyViews[0].menuValue;
        EXPECT_EQ(CloseUpFindings(body, seenFromBehind), "");
    }
}

TEST_F(CloseUp, AfterAPlanetResizesLogRange10AndKeepTheSphereInView) {
    // Pressed, moved onto Earth and released there.
    EXPECT_EQ(Choose("Earth", MenuOpening::kHold), "5 select \n");
    const BodyView& earth = kBodyViews[BodyIndex("Earth")];
    ASSERT_TRUE(app().Resize(kWindowPx, kShortWindowPx));
    EXPECT_EQ(NextOutput(kNarrowedSizeOutput.size()), kNarrowedSizeOutput);
    EXPECT_EQ(CloseUpFindings(earth, false, kShortWindowPx), "")
        << "a resize ends the look from behind";
    ASSERT_TRUE(app().Resize(kWindowPx, kWindowPx));
    EXPECT_EQ(NextOutput(kNarrowedSizeOutput.size()), kNarrowedSizeOutput);
    EXPECT_EQ(CloseUpFindings(earth, false), "");

    EXPECT_EQ(Choose("Mars"), "6 select \n");
    EXPECT_EQ(app().Console().substr(app().Console().rfind("ChangeSize")),
              "ChangeSize call, nRange=10.0000006 select \n");
    EXPECT_EQ(CloseUpFindings(kBodyViews[BodyIndex("Mars")], false), "");
}

// Shift+F10 with the pointer off the window: the menu at the window's centre, for the keys alone.
TEST_F(CloseUp, ShiftF10OpensTheMenuAtTheWindowsCentreAndTheKeysChooseEarth) {
    const Box window = app().Geometry(app().window());
    app().MovePointerToRoot(app().Screen().width - 1, app().Screen().height - 1);
    app().TypeKey(XK_F10, true);
    ASSERT_TRUE(PollUntil([] { return app().ShownMenus().size() == 1; })) << "no menu";
    const Box menu = app().Geometry(app().ShownMenus().front());
    EXPECT_TRUE(menu.x == window.x + window.width / 2 && menu.y == window.y + window.height / 2)
        << "the menu at " << menu.x << "," << menu.y;
    for (KeySym key : {XK_Return, XK_Down, XK_Down, XK_Down, XK_Return}) app().TypeKey(key);
    EXPECT_TRUE(MenusClosed());
    EXPECT_EQ(NextOutput(SelectLine(kBodyViews[3]).size()), "5 select \n");
    app().TypeKey(XK_F10);  // alone: nothing
    EXPECT_TRUE(app().WaitForFreshFrames(2) && app().ShownMenus().empty());
}

}  // namespace

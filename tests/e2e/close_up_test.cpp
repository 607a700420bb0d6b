// The right-button menu and the close-ups of the running program, with size changes around them.
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

    // Text rows `window` shows, once they match `expected` or the time is up. Meanwhile the
    // pointer moves between two bodies, as freeglut may need a redraw to show a menu right.
    static int TextRows(const OpenMenu& menu, Window window, int expected) {
        int rows = -1, hovered = 0;
        PollUntil([&] {
            app().HoverBody(menu, OrreryDriver::kBodyEntries - 1 - hovered++ % 2);
            return (rows = MenuTextRows(app().Grab(window))) == expected;
        });
        return rows;
    }

    // A click beside the menus closes them.
    static void CloseMenusWithoutChoice() {
        app().Click(1, kWindowPx / 10, kWindowPx / 10);
        EXPECT_TRUE(PollUntil([] { return app().ShownMenus().empty(); })) << "the menus stay open";
    }

    static std::string Choose(const char* name) {
        const int index = BodyIndex(name);
        EXPECT_TRUE(app().ChooseBody(index)) << "the menu stayed open after choosing " << name;
        return NextOutput(SelectLine(kBodyViews[index]).size());
    }

    static std::string SelectLine(const BodyView& body) {
        return std::to_string(body.menuValue) + " select \n";
    }
};

TEST_F(CloseUp, RightClickShowsOneSubmenuListingTheTenBodies) {
    EXPECT_EQ(startUpOutput(), kStartUpOutput);
    // freeglut draws a menu's first opening before its windows take their size: the pop-up may
    // stay blank and the list shows shifted down, its last entries cut off, until it is redrawn.
    // From the second opening on the windows have their size; this looks at that one.
    app().OpenBodyMenu();
    CloseMenusWithoutChoice();

    const OpenMenu menu = app().OpenBodyMenu();
    EXPECT_EQ(TextRows(menu, menu.main, 1), 1) << "the pop-up holds the submenu entry only";
    EXPECT_EQ(TextRows(menu, menu.submenu, OrreryDriver::kBodyEntries), OrreryDriver::kBodyEntries);
    EXPECT_EQ(menu.submenuBox.x, menu.mainBox.x + menu.mainBox.width) << "submenu beside the entry";
    EXPECT_EQ(menu.submenuBox.y, menu.mainBox.y) << "submenu level with the entry";
    CloseMenusWithoutChoice();
    EXPECT_EQ(app().Console(), kStartUpOutput);
    EXPECT_EQ(PollProbe(app(), SunAtCentre), "") << "still the overview";
}

TEST_F(CloseUp, SizeChangesThenAChoiceRunTogetherOnOneLine) {
    ASSERT_TRUE(app().Resize(kWindowPx, kShortWindowPx));
    EXPECT_EQ(NextOutput(kStartUpOutput.size()), kStartUpOutput);
    ASSERT_TRUE(app().Resize(kWindowPx, kWindowPx));
    EXPECT_EQ(NextOutput(kStartUpOutput.size()), kStartUpOutput);
    EXPECT_EQ(Choose("Sun"), "2 select \n");
    EXPECT_EQ(app().Console().substr(app().Console().rfind("ChangeSize")),
              "ChangeSize call, nRange=50.0000002 select \n");
    EXPECT_EQ(CloseUpFindings(kBodyViews[0], true), "");
}

TEST_F(CloseUp, EachBodyShowsItsWireSphereAndTiltedAxis) {
    bool seenFromBehind = false;  // the Sun's close-up looks from behind until the next resize
    for (const BodyView& body : kBodyViews) {
        SCOPED_TRACE(body.name);
        EXPECT_EQ(Choose(body.name), SelectLine(body));
        seenFromBehind = seenFromBehind || body.menuValue == kBodyViews[0].menuValue;
        EXPECT_EQ(CloseUpFindings(body, seenFromBehind), "");
    }
}

TEST_F(CloseUp, AfterAPlanetResizesLogRange10AndKeepTheSphereInView) {
    EXPECT_EQ(Choose("Earth"), "5 select \n");
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

}  // namespace

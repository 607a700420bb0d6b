// The body menu's entries, and choosing a body: the view it switches to and its console line.
#include "input/body_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output_capture.h"

namespace {

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
        const OutputCapture console(stdout);
        if (c.before != 0) SelectBodyOn(s, c.before);
        s.spinAngle = 123.5f;
        SelectBodyOn(s, c.value);
        const std::string first = c.before != 0 ? std::to_string(c.before) + " select \n" : "";
        EXPECT_EQ(console.Text(), first + std::to_string(c.value) + " select \n");
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

}  // namespace

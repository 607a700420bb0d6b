// The start-up state, lookups into the body catalogue, and choosing a body from the menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/body_menu.h"

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

TEST(BodyCatalogue, FindsMenuValuesTwoToElevenAndPlanetsByIndex) {
    const char* names[] = {"Sun",     "Mercury", "Venus",  "Earth",   "Mars",
                           "Jupiter", "Saturn",  "Uranus", "Neptune", "Pluto"};
    for (int value = 2; value <= 11; ++value) {
        const BodyInfo* body = FindBody(value);
        ASSERT_NE(body, nullptr) << value;
        EXPECT_STREQ(body->name, names[value - 2]);
        EXPECT_EQ(body, &BodyCatalogue[static_cast<std::size_t>(value - 2)]);
        EXPECT_EQ(body, value == 2 ? &Sun() : &Planet(value - 3));
    }
    for (int value : {-5, 0, 1, 12}) EXPECT_EQ(FindBody(value), nullptr) << value;
}

TEST(ChooseBody, SetsTheBodysSpinTiltAndRangeAndLogsTheValue) {
    struct Case {
        int before, value;  // before: a body chosen first, 0 for none
        float spinStep, tilt, nRange;
    };
    // clang-format off
    const Case cases[] = {
        {0, 2, 0.4f, 0.0f, 50},      {0, 3, 0.2f, -0.1f, 10},   {0, 4, 0.09f, -357.0f, 10},
        {0, 5, 1.0f, -23.0f, 10},    {0, 6, 0.9f, -25.0f, 10},  {0, 7, 2.43f, -3.0f, 10},
        {0, 8, 2.34f, -27.0f, 10},   {0, 9, 1.34f, -98.0f, 10}, {0, 10, 1.25f, -30.0f, 10},
        {0, 11, 0.156f, -120.0f, 10},
        {7, 2, 0.4f, 0.0f, 10},      {5, 5, 1.0f, -23.0f, 10},  // the Sun keeps a planet's range
        {5, 0, 1.0f, -23.0f, 10},    {5, 1, 1.0f, -23.0f, 10},  // no such body: only viewMode
        {5, 12, 1.0f, -23.0f, 10},   {5, -5, 1.0f, -23.0f, 10},
    };
    // clang-format on
    for (const Case& c : cases) {
        SceneState s = InitialSceneState();
        testing::internal::CaptureStdout();
        if (c.before != 0) ChooseBody(s, c.before);
        s.spinAngle = 123.5f;
        ChooseBody(s, c.value);
        const std::string first = c.before != 0 ? std::to_string(c.before) + " select \n" : "";
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  first + std::to_string(c.value) + " select \n");
        EXPECT_EQ((std::vector<float>{s.spinStep, s.tiltAngle, s.nRange, s.spinAngle}),
                  (std::vector<float>{c.spinStep, c.tilt, c.nRange, 123.5f}))
            << c.before << " then " << c.value;
        EXPECT_EQ(s.viewMode, c.value);
    }
}

}  // namespace

// The start-up state and the lookups into the body catalogue.
#include <gtest/gtest.h>

#include <string>

#include "scene/scene_state.h"

namespace {

constexpr const char* kNamesInMenuOrder[] = {"Sun",     "Mercury", "Venus",  "Earth",   "Mars",
                                             "Jupiter", "Saturn",  "Uranus", "Neptune", "Pluto"};

TEST(InitialSceneState, StartsInTheOverviewFromAboveFront) {
    const SceneState s = InitialSceneState();
    EXPECT_EQ(s.pitch, 15.01f);
    EXPECT_EQ(s.yaw, 340.0f);
    EXPECT_EQ(s.nRange, 50.0f);
    EXPECT_EQ(s.viewMode, 1);
    EXPECT_EQ(s.dragging, 0);
    EXPECT_EQ(s.lastMouseX, 0.0f);
    EXPECT_EQ(s.lastMouseY, 0.0f);
    EXPECT_EQ(s.spinAngle, 0.0f);
    EXPECT_EQ(s.tiltAngle, 0.0f);
    EXPECT_EQ(s.spinStep, 0.0f);
    const std::array<float, 9> expected{90, 320, 120, 280, 340, 180, 110, 220, 60};
    EXPECT_EQ(s.orbitAngle, expected);
    EXPECT_EQ(scene.orbitAngle, expected) << "the global scene starts from the same values";
}

TEST(BodyCatalogue, MenuValuesTwoToElevenFindTheBodiesInMenuOrder) {
    for (int value = 2; value <= 11; ++value) {
        const BodyInfo* body = FindBody(value);
        ASSERT_NE(body, nullptr) << value;
        EXPECT_EQ(body, &BodyCatalogue[static_cast<std::size_t>(value - 2)]);
        EXPECT_EQ(std::string(body->name), kNamesInMenuOrder[value - 2]);
    }
    for (int value : {-5, 0, 1, 12, 100}) EXPECT_EQ(FindBody(value), nullptr) << value;
}

TEST(BodyCatalogue, PlanetIndexIsRowAfterTheSun) {
    EXPECT_EQ(&Sun(), &BodyCatalogue[0]);
    for (int i = 0; i < kPlanetCount; ++i) {
        EXPECT_EQ(&Planet(i), &BodyCatalogue[static_cast<std::size_t>(i) + 1]);
        EXPECT_EQ(Planet(i).menuValue, i + 3);
    }
}

}  // namespace

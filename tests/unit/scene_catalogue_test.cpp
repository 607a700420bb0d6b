// The start-up scene state, and every column of the body catalogue with its lookups.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "scene/body_catalogue.h"
#include "scene/scene_state.h"

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

}  // namespace

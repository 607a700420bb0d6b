// How each body looks in its close-up, in menu order, as the viewer's user sees it.
#pragma once

#include <array>
#include <cstring>

#include "orrery_driver.h"

struct BodyView {
    const char* name;    // submenu label
    int menuValue;       // printed as "<menuValue> select "
    Rgb8 closeUpColour;  // the wire sphere
    float tiltDeg;       // the green axis, turned from upright about the view axis
};

inline constexpr std::array<BodyView, OrreryDriver::kBodyEntries> kBodyViews{{
    {"Sun", 2, {255, 0, 0}, 0.0f},
    {"Mercury", 3, {250, 50, 50}, -0.1f},
    {"Venus", 4, {255, 110, 0}, -357.0f},
    {"Earth", 5, {60, 90, 250}, -23.0f},
    {"Mars", 6, {230, 50, 30}, -25.0f},
    {"Jupiter", 7, {90, 110, 160}, -3.0f},
    {"Saturn", 8, {130, 80, 30}, -27.0f},
    {"Uranus", 9, {80, 150, 240}, -98.0f},
    {"Neptune", 10, {60, 110, 200}, -30.0f},
    {"Pluto", 11, {130, 220, 250}, -120.0f},
}};

// Position of `name` in the body submenu, or -1.
inline int BodyIndex(const char* name) {
    for (std::size_t i = 0; i < kBodyViews.size(); ++i) {
        if (std::strcmp(kBodyViews[i].name, name) == 0) return static_cast<int>(i);
    }
    return -1;
}

// The single record of everything that changes while the viewer runs.
#pragma once

#include <array>

#include "scene/body_catalogue.h"

inline constexpr int kOverviewMode = 1;  // viewMode 2 … 11 is the close-up of that menu value

struct SceneState {
    float pitch = 15.01f;  // degrees about x, overview only
    float yaw = 340.0f;    // degrees about y, overview only
    float nRange = 50.0f;  // half-extent of the view volume on the shorter window side
    std::array<float, kPlanetCount> orbitAngle{};  // degrees, planet index order
    int viewMode = kOverviewMode;
    int dragging = 0;         // 1 while the left button is held
    float lastMouseX = 0.0f;  // window pixels
    float lastMouseY = 0.0f;
    float spinAngle = 0.0f;  // degrees, kept within [0, 360)
    float tiltAngle = 0.0f;  // degrees about the view's z axis
    float spinStep = 0.0f;   // degrees per close-up idle step
};

// The state at start-up: every planet at its catalogue angle, the overview from above-front.
constexpr SceneState InitialSceneState() {
    SceneState state;
    for (int i = 0; i < kPlanetCount; ++i) {
        state.orbitAngle[static_cast<std::size_t>(i)] = Planet(i).initialAngle;
    }
    return state;
}

extern SceneState scene;

// The state rules written a second time, independently, to check the program's against.
#pragma once

#include <GL/freeglut.h>

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>

#include "scene/scene_state.h"

namespace model {

inline void Key(SceneState& s, unsigned char key) {
    switch (key) {
    case 'a': s.pitch = 90.0f, s.yaw = 0.0f; break;
    case 's': s.pitch = 0.0f, s.yaw = 90.0f; break;
    case 'd': s.pitch = 15.0f, s.yaw = 340.0f; break;
    default: break;
    }
}

inline float ArrowWrap(float angle) {
    return angle > 356.0f ? 0.0f : angle < -1.0f ? 355.0f : angle;
}

inline void Special(SceneState& s, int key) {
    if (key == GLUT_KEY_UP) s.pitch -= 5.0f;
    if (key == GLUT_KEY_DOWN) s.pitch += 5.0f;
    if (key == GLUT_KEY_LEFT) s.yaw -= 5.0f;
    if (key == GLUT_KEY_RIGHT) s.yaw += 5.0f;
    s.pitch = ArrowWrap(s.pitch);
    s.yaw = ArrowWrap(s.yaw);
}

inline void Button(SceneState& s, int button, int state, int x, int y) {
    if (button == GLUT_RIGHT_BUTTON) return;  // the menu's: no drag starts or ends
    s.dragging = button == GLUT_LEFT_BUTTON && state == GLUT_DOWN ? 1 : 0;
    if (s.dragging == 0) return;
    s.lastMouseX = static_cast<float>(x);
    s.lastMouseY = static_cast<float>(y);
}

inline float Towards(float angle, float from, float to) {
    return to > from ? angle + 4.0f : to < from ? angle - 4.0f : angle;
}

inline void Drag(SceneState& s, int x, int y) {
    if (s.dragging == 0) return;
    s.yaw = Towards(s.yaw, s.lastMouseX, static_cast<float>(x));
    s.pitch = Towards(s.pitch, s.lastMouseY, static_cast<float>(y));
    s.lastMouseX = static_cast<float>(x);
    s.lastMouseY = static_cast<float>(y);
}

// Per body, Sun 2 … Pluto 11: the spin step and the tilt a choice sets.
constexpr float kSpinStep[] = {0.4f, 0.2f, 0.09f, 1.0f, 0.9f, 2.43f, 2.34f, 1.34f, 1.25f, 0.156f};
constexpr float kTilt[] = {0, -0.1f, -357, -23, -25, -3, -27, -98, -30, -120};
// Per planet, Mercury … Pluto: degrees a step.
constexpr float kOrbitStep[] = {4.09f, 1.602f, 1.0f, 0.72f, 0.5f, 0.38f, 0.2f, 0.1f, 0.05f};

inline void Select(SceneState& s, int value) {
    s.viewMode = value;
    if (value < 2 || value > 11) return;
    s.spinStep = kSpinStep[value - 2];
    s.tiltAngle = kTilt[value - 2];
    if (value >= 3) s.nRange = 10.0f;
}

inline void Orbits(std::array<float, 9>& angle) {
    for (std::size_t i = 0; i < angle.size(); ++i) angle[i] += kOrbitStep[i];
    for (float& a : angle) {
        if (a > 360.0f) {
            a -= 360.0f;
            return;
        }
    }
}

inline void Spin(SceneState& s) {
    s.spinAngle += s.spinStep;
    if (s.spinAngle >= 360.0f) s.spinAngle -= 360.0f;
}

// Every field, exactly (nine digits tell floats apart), for comparisons that show what differs.
inline std::string Describe(const SceneState& s) {
    char text[512];
    int n = std::snprintf(text, sizeof text,
                          "pitch %.9g yaw %.9g nRange %.9g view %d drag %d mouse %.9g,%.9g spin "
                          "%.9g tilt %.9g step %.9g orbits",
                          s.pitch, s.yaw, s.nRange, s.viewMode, s.dragging, s.lastMouseX,
                          s.lastMouseY, s.spinAngle, s.tiltAngle, s.spinStep);
    for (float a : s.orbitAngle) n += std::snprintf(text + n, sizeof text - n, " %.9g", a);
    return text;
}

}  // namespace model

// Keys, arrows and left-button drags that turn the overview.
#include "input/view_controls.h"

#include <GL/freeglut_std.h>

#include "input/body_menu.h"

namespace {

constexpr float kArrowStep = 5.0f;  // degrees per arrow press
constexpr float kDragStep = 4.0f;   // degrees per motion event, however far the pointer moved

struct Preset {
    unsigned char key;
    float pitch, yaw;  // degrees
};

constexpr Preset kPresets[] = {
    {'a', 90.0f, 0.0f},    // from above
    {'s', 0.0f, 90.0f},    // from the side
    {'d', 15.0f, 340.0f},  // the start-up view
};

// Thresholds and reset values are deliberately lopsided: past 356 goes to 0, below -1 to 355.
float WrapArrowAngle(float angle) {
    if (angle > 356.0f) return 0.0f;
    if (angle < -1.0f) return 355.0f;
    return angle;
}

float StepTowards(float angle, float from, float to) {
    if (to > from) return angle + kDragStep;
    if (to < from) return angle - kDragStep;
    return angle;
}

}  // namespace

void KeyDownOn(SceneState& state, unsigned char key) {
    for (const Preset& preset : kPresets) {
        if (preset.key != key) continue;
        state.pitch = preset.pitch;
        state.yaw = preset.yaw;
    }
}

void SpecialKeyDownOn(SceneState& state, int key) {
    switch (key) {
    case GLUT_KEY_UP: state.pitch -= kArrowStep; break;
    case GLUT_KEY_DOWN: state.pitch += kArrowStep; break;
    case GLUT_KEY_LEFT: state.yaw -= kArrowStep; break;
    case GLUT_KEY_RIGHT: state.yaw += kArrowStep; break;
    default: break;
    }
    state.pitch = WrapArrowAngle(state.pitch);
    state.yaw = WrapArrowAngle(state.yaw);
}

void MouseButtonOn(SceneState& state, int button, int buttonState, int x, int y) {
    const bool leftPressed = button == GLUT_LEFT_BUTTON && buttonState == GLUT_DOWN;
    state.dragging = leftPressed ? 1 : 0;
    if (!leftPressed) return;
    state.lastMouseX = static_cast<float>(x);
    state.lastMouseY = static_cast<float>(y);
}

void MouseDragOn(SceneState& state, int x, int y) {
    if (state.dragging != 1) return;
    const auto fx = static_cast<float>(x);
    const auto fy = static_cast<float>(y);
    state.yaw = StepTowards(state.yaw, state.lastMouseX, fx);
    state.pitch = StepTowards(state.pitch, state.lastMouseY, fy);  // y grows downwards
    state.lastMouseX = fx;
    state.lastMouseY = fy;
}

void KeyDown(unsigned char key, int /*x*/, int /*y*/) {
    KeyDownOn(scene, key);
    glutPostRedisplay();
}

void SpecialKeyDown(int key, int /*x*/, int /*y*/) {
    // Shift+F10, with no other modifier, opens the menu; F10 alone does nothing, as other keys.
    if (key == GLUT_KEY_F10 && glutGetModifiers() == GLUT_ACTIVE_SHIFT) {
        OpenBodyMenuByKey();
        return;
    }
    SpecialKeyDownOn(scene, key);
    glutPostRedisplay();
}

void MouseButton(int button, int state, int x, int y) {
    if (button == GLUT_RIGHT_BUTTON) {  // the menu's button: it never starts or ends a drag
        BodyMenuButton(state, x, y);
        return;
    }
    MouseButtonOn(scene, button, state, x, y);
}

void MouseDrag(int x, int y) {
    MouseDragOn(scene, x, y);
    glutPostRedisplay();
}

// Keys, arrows and left-button drags that turn the overview.
#pragma once

#include "scene/scene_state.h"

// State rules, callable without a window.
void PressKey(SceneState& state, unsigned char key);
void PressSpecialKey(SceneState& state, int key);
void PressMouseButton(SceneState& state, int button, int buttonState, int x, int y);
void DragMouse(SceneState& state, int x, int y);

// GLUT callbacks: the rule on the global scene, then a redraw where one is due.
void KeyDown(unsigned char key, int x, int y);
void SpecialKeyDown(int key, int x, int y);
void MouseButton(int button, int state, int x, int y);
void MouseDrag(int x, int y);

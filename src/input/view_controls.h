// Keys, arrows and left-button drags that turn the overview.
#pragma once

#include "scene/scene_state.h"

// State rules, callable without a window.
void KeyDownOn(SceneState& state, unsigned char key);
void SpecialKeyDownOn(SceneState& state, int key);
void MouseButtonOn(SceneState& state, int button, int buttonState, int x, int y);
void MouseDragOn(SceneState& state, int x, int y);

// GLUT callbacks: the rule on the global scene, then a redraw where one is due.
void KeyDown(unsigned char key, int x, int y);
void SpecialKeyDown(int key, int x, int y);
void MouseButton(int button, int state, int x, int y);
void MouseDrag(int x, int y);

// The right-button menu that switches to one body's close-up.
#pragma once

#include "scene/scene_state.h"

// Switches `state` to the close-up of menu value `value` and writes "<value> select \n".
void ChooseBody(SceneState& state, int value);

void BuildMenus();
void SelectBody(int value);  // GLUT menu callback

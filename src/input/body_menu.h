// The right-button menu that switches to one body's close-up.
#pragma once

#include "menu/menu_model.h"
#include "scene/scene_state.h"

// Switches `state` to the close-up of menu value `value` and writes "<value> select \n".
void SelectBodyOn(SceneState& state, int value);

// The menu as data: one entry, "행성하나씩 보기 ", whose submenu lists the catalogue's bodies.
const Menu& BodyMenu();

void BuildMenus();           // once, with the GLUT window current
void SelectBody(int value);  // the callback of a choice
// A right-button press or release at (x, y) in the GLUT window: a press opens the menu.
void BodyMenuButton(int state, int x, int y);
// Shift+F10, the keyboard's way to a context menu: opens the menu at the window's centre.
void OpenBodyMenuByKey();

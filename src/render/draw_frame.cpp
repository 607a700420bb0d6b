// The display callback: clear, draw the view that viewMode selects, swap.
#include "render/draw_frame.h"

#include <GL/freeglut_std.h>

#include "animation/frame_pacing.h"
#include "render/close_up.h"
#include "render/overview.h"
#include "scene/scene_state.h"

void DrawScene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (scene.viewMode == kOverviewMode) {
        DrawOverview();
    } else if (FindBody(scene.viewMode) != nullptr) {
        DrawCloseUp(scene.viewMode);
    }
}

void DrawFrame() {
    if (WindowHidden()) return;  // shown again, the window asks for a frame
    DrawScene();
    glutSwapBuffers();
}

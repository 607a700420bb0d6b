// The display callback: clear, draw the view that viewMode selects, swap.
#include "render/draw_frame.h"

#include <GL/freeglut_std.h>

#include "animation/frame_pacing.h"
#include "render/close_up.h"
#include "render/overview.h"
#include "scene/scene_state.h"

void DrawFrameOn(const SceneState& state) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (state.viewMode == kOverviewMode) {
        DrawOverview(state);
    } else if (FindBody(state.viewMode) != nullptr) {
        DrawCloseUp(state);
    }
}

void DrawFrame() {
    if (WindowHidden()) return;  // shown again, the window asks for a frame
    DrawFrameOn(scene);
    glutSwapBuffers();
}

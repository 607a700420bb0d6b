// The reshape callback: viewport, orthographic projection and light position.
#include "app/change_size.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>

#include "app/view_volume.h"
#include "scene/scene_state.h"

namespace {

void LogSizeChange() {
    // No line end: a following menu message continues this line.
    std::printf("ChangeSize call, nRange=%f", static_cast<double>(scene.nRange));
    std::fflush(stdout);
}

void LoadProjection(int w, int h) {
    const ViewVolume v = ComputeViewVolume(w, h, ProjectionRange(scene));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(v.left, v.right, v.bottom, v.top, v.nearZ, v.farZ);
}

void PlaceLight() {
    // Set under the identity modelview, so the position is in eye space. Lighting stays off.
    const GLfloat lightPosition[] = {-50.0f, 50.0f, 100.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
}

}  // namespace

void ChangeSize(int w, int h) {
    LogSizeChange();
    w = std::max(w, 1);
    h = std::max(h, 1);
    glViewport(0, 0, w, h);
    LoadProjection(w, h);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    PlaceLight();
}

// The right-button menu that switches to one body's close-up.
#include "input/body_menu.h"

#include <GL/freeglut.h>

#include <cstdio>

namespace {
constexpr const char* kBodySubmenuLabel = "행성하나씩 보기 ";  // "view the planets one at a time"
}

void ChooseBody(SceneState& state, int value) {
    state.viewMode = value;
    std::printf("%d select \n", value);
    std::fflush(stdout);
    const BodyInfo* body = FindBody(value);
    if (body == nullptr) return;
    state.spinStep = body->spinStep;
    state.tiltAngle = body->tilt;
    if (body->closeUpRange) state.nRange = *body->closeUpRange;
}

void BuildMenus() {
    const int bodySubmenu = glutCreateMenu(SelectBody);
    for (const BodyInfo& body : BodyCatalogue) glutAddMenuEntry(body.name, body.menuValue);
    glutCreateMenu(SelectBody);
    glutAddSubMenu(kBodySubmenuLabel, bodySubmenu);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

void SelectBody(int value) {
    ChooseBody(scene, value);
    glutPostRedisplay();
}

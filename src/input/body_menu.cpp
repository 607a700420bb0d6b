// The right-button menu that switches to one body's close-up.
#include "input/body_menu.h"

#include <GL/freeglut_std.h>

#include <cstdio>

#include "platform/window_system.h"

namespace {

constexpr const char* kBodySubmenuLabel = "행성하나씩 보기 ";  // "view the planets one at a time"
constexpr const char* kLabelLanguage = "ko";

Menu BodyEntries() {
    Menu bodies;
    for (const BodyInfo& body : BodyCatalogue) bodies.push_back({body.name, body.menuValue, {}});
    return bodies;
}

}  // namespace

void SelectBodyOn(SceneState& state, int value) {
    state.viewMode = value;
    std::printf("%d select \n", value);
    std::fflush(stdout);
    const BodyInfo* body = FindBody(value);
    if (body == nullptr) return;
    state.spinStep = body->spinStep;
    state.tiltAngle = body->tilt;
    if (body->closeUpRange) state.nRange = *body->closeUpRange;
}

const Menu& BodyMenu() {
    static const Menu menu{{kBodySubmenuLabel, 0, BodyEntries()}};
    return menu;
}

void BuildMenus() { CreateWindowMenu(BodyMenu(), kLabelLanguage, SelectBody); }

void SelectBody(int value) {
    SelectBodyOn(scene, value);
    if (const BodyInfo* body = FindBody(value)) DescribeView(body->closeUpDescription);
    glutPostRedisplay();
}

void BodyMenuButton(int state, int x, int y) { WindowMenuButton(state == GLUT_DOWN, x, y); }

void OpenBodyMenuByKey() { OpenWindowMenuByKey(); }

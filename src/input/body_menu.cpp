// The right-button menu that switches to one body's close-up.
#include "input/body_menu.h"

#include <GL/freeglut.h>
#include <GL/glx.h>

#include <cstdio>
#include <cstdlib>

#include "input/popup_menu.h"

namespace {

constexpr const char* kBodySubmenuLabel = "행성하나씩 보기 ";  // "view the planets one at a time"
constexpr const char* kLabelLanguage = "ko";
constexpr int kPumpIntervalMs = 4;

PopupMenu bodyMenu;
bool pumpScheduled = false;

void PumpBodyMenu(int /*unused*/);

// The menu's connection is not GLUT's, so GLUT's loop looks at it on a timer, only while open.
void SchedulePump() {
    if (!bodyMenu.open || pumpScheduled) return;
    pumpScheduled = true;
    glutTimerFunc(kPumpIntervalMs, PumpBodyMenu, 0);
}

void Finish(const MenuStep& step) {
    if (step.outcome == MenuOutcome::kChoose) SelectBody(step.value);
    SchedulePump();
}

void PumpBodyMenu(int /*unused*/) {
    pumpScheduled = false;
    Finish(PumpPopupMenu(bodyMenu));
}

void FreeBodyMenu() { DestroyPopupMenu(bodyMenu); }

Menu BodyEntries() {
    Menu bodies;
    for (const BodyInfo& body : BodyCatalogue) bodies.push_back({body.name, body.menuValue, {}});
    return bodies;
}

}  // namespace

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

const Menu& BodyMenu() {
    static const Menu menu{{kBodySubmenuLabel, 0, BodyEntries()}};
    return menu;
}

void BuildMenus() {
    // freeglut's GLX context draws straight to its X window, so the current drawable is the window.
    if (!CreatePopupMenu(bodyMenu, glXGetCurrentDisplay(), glXGetCurrentDrawable(), BodyMenu(),
                         kLabelLanguage)) {
        std::fputs("orrery: no menu: no second connection to the X display or no font\n", stderr);
        return;
    }
    if (!PopupFontCoversLabels(bodyMenu)) {
        std::fputs(
            "orrery: no installed font has Hangul, so the menu label shows without it "
            "(Debian: install fonts-nanum)\n",
            stderr);
    }
    std::atexit(FreeBodyMenu);  // GLUT ends the process with exit() when the window closes
}

void SelectBody(int value) {
    ChooseBody(scene, value);
    glutPostRedisplay();
}

void BodyMenuButton(int state, int x, int y) {
    if (bodyMenu.open) {
        Finish(FeedPopupButton(bodyMenu, state == GLUT_DOWN, x, y));
    } else if (state == GLUT_DOWN && OpenPopupMenu(bodyMenu, x, y)) {
        SchedulePump();
    }
}

// Orrery: the Sun and nine planets in one GLUT window, an overview and a close-up per body.
#include <GL/freeglut.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/change_size.h"
#include "app/window_title.h"
#include "input/body_menu.h"
#include "input/view_controls.h"
#include "render/draw_frame.h"

namespace {
constexpr const char* kWindowTitle = "Vornak Telqui의 태양계";  // "Vornak Telqui's solar system"
constexpr int kWindowSizePx = 1000;

// freeglut reports an unset DISPLAY as "failed to open display ''", which names nothing.
bool DisplayGiven(int argc, char** argv) {
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr && *display != '\0') return true;
    return std::any_of(argv + 1, argv + argc,
                       [](const char* arg) { return std::strcmp(arg, "-display") == 0; });
}
}  // namespace

int main(int argc, char** argv) {
    if (!DisplayGiven(argc, argv)) {
        std::fputs("orrery: no X display: DISPLAY is not set (set it, or pass -display HOST:N)\n",
                   stderr);
        return 1;
    }
    glutInitWindowSize(kWindowSizePx, kWindowSizePx);  // first, so that -geometry can override it
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow(kWindowTitle);
    SetUnicodeWindowTitle(kWindowTitle);
    BuildMenus();
    glutReshapeFunc(ChangeSize);
    glutDisplayFunc(DrawFrame);
    glutMouseFunc(MouseButton);
    glutMotionFunc(MouseDrag);
    glutSpecialFunc(SpecialKeyDown);
    glutKeyboardFunc(KeyDown);
    glutMainLoop();
    return 0;
}

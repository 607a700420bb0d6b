// Orrery: the Sun and nine planets in one GLUT window, an overview and a close-up per body.
#include <GL/freeglut_std.h>

#include <cstdio>

#include "animation/frame_pacing.h"
#include "app/change_size.h"
#include "app/command_line.h"
#include "input/body_menu.h"
#include "input/view_controls.h"
#include "platform/window_system.h"
#include "render/draw_frame.h"
#include "scene/body_catalogue.h"

namespace {
constexpr const char* kWindowTitle = "Vornak Telqui의 태양계";  // "Vornak Telqui's solar system"
constexpr int kWindowSizePx = 1000;
}  // namespace

int main(int argc, char** argv) {
    UseUserLanguage();
    // --help, --version and arguments it does not take are answered without a display.
    const CommandLineReading reading = ReadCommandLine(argc, argv);
    if (const auto status = AnswerCommandLine(reading)) return *status;
    if (const char* reason = NoWindowSystemReason(reading.window)) {
        std::fprintf(stderr, "%s\n", reason);
        return 1;
    }
    InstallWindowSystemErrorHandlers();
    // -geometry WxH wins over the first size.
    const int sidePx =
        reading.windowSizeGiven ? 0 : FirstWindowSidePx(reading.window, kWindowSizePx);
    PrepareGlutEnvironment();
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    if (sidePx > 0) glutInitWindowSize(sidePx, sidePx);
    glutCreateWindow(kWindowTitle);
    SetUpWindow();
    SetWindowTitle(kWindowTitle);
    DescribeView(kOverviewDescription);
    RequestSyncedSwaps();
    StartFramePacing(DisplayRefreshHz());
    BuildMenus();
    glutReshapeFunc(ChangeSize);
    glutDisplayFunc(DrawFrame);
    glutMouseFunc(MouseButton);
    glutMotionFunc(MouseDrag);
    glutSpecialFunc(SpecialKeyDown);
    glutKeyboardFunc(KeyDown);
    WatchWindow(WindowVisibilityChanged);
    glutMainLoop();
    return 0;
}

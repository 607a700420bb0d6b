// A real GLUT window on a private Xvfb, shared by the tests of one process that draw frames.
#include "test_window.h"

#include <GL/freeglut.h>

#include <string>

#include "xvfb_server.h"

namespace {

constexpr int kWindowSizePx = 200;  // small: the checks are about state and memory, not pixels

int OpenWindow(const std::string& display) {
    std::string name = "hardening", flag = "-display", value = display;
    char* argv[] = {name.data(), flag.data(), value.data(), nullptr};
    int argc = 3;
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(kWindowSizePx, kWindowSizePx);
    return glutCreateWindow("hardening");
}

}  // namespace

void UseTestWindow() {
    static XvfbServer server;
    static const int window = OpenWindow(server.display());
    glutSetWindow(window);
}

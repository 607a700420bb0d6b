// A double-buffered GLUT window on a private Xvfb, shared by the tests of one process.
#include "gl_window.h"

#include <GL/freeglut.h>

#include <cstdlib>

#include "xvfb_server.h"

namespace {

void DrawNothing() {}  // tests draw and read their frames themselves

class GlWindow {
public:
    explicit GlWindow(int sizePx) {
        setenv("DISPLAY", server_.display().c_str(), 1);
        char program[] = "orrery-test";
        char* argv[] = {program, nullptr};
        int argc = 1;
        glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(sizePx, sizePx);
        window_ = glutCreateWindow("orrery test");
        glutDisplayFunc(DrawNothing);
    }
    ~GlWindow() {  // before the server goes, so GLUT never talks to a dead display
        glutDestroyWindow(window_);
        glutExit();
    }

private:
    XvfbServer server_;
    int window_ = 0;
};

}  // namespace

void EnsureGlWindow(int sizePx) { static GlWindow window(sizePx); }

// The close-up: one body as a large wire sphere spinning about its tilted green axis.
#include "render/close_up.h"

#include <GL/freeglut_std.h>
#include <GL/glu.h>

#include "animation/frame_pacing.h"
#include "animation/idle_steps.h"
#include "render/sphere_mesh.h"
#include "scene/scene_state.h"

namespace {

// Every coordinate drawn here is a whole number, exact in single precision, which is all GL keeps
// of a vertex and all WebGL takes.
constexpr float kAxisHalfLength = 55.0f;  // scene units, 25 beyond each pole

// GLUT builds its sphere with the poles on z; a quarter turn about x puts the north pole at +y,
// where the spin axis runs, so the meridians meet where the green line leaves the sphere.
constexpr float kPolesOntoSpinAxisDeg = -90.0f;

// Loaded outside any push/pop pair, so the Sun is seen from behind until the next resize resets
// the modelview matrix, and so is every body chosen after it.
void LookAtSunFromBehind() {
    glLoadIdentity();
    gluLookAt(0.0, 0.0, -5.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
}

// The colour is set before the line begins: WebGL's emulation of immediate mode takes a colour
// inside glBegin/glEnd only when every vertex gives one.
void DrawSpinAxis() {
    glColor3ub(0, 255, 0);
    glBegin(GL_LINES);
    glVertex3f(0.0f, -kAxisHalfLength, 0.0f);
    glVertex3f(0.0f, kAxisHalfLength, 0.0f);
    glEnd();
}

}  // namespace

void DrawCloseUpBody(int menuValue) {
    const Rgb c = FindBody(menuValue)->closeUpColour;
    glPushMatrix();
    {
        glColor3ub(c.r, c.g, c.b);
        glRotatef(kPolesOntoSpinAxisDeg, 1.0f, 0.0f, 0.0f);
        DrawWireSphere(kCloseUpSphereRadius);
    }
    glPopMatrix();
}

void DrawCloseUp(const SceneState& state) {
    if (state.viewMode == Sun().menuValue) LookAtSunFromBehind();
    glPushMatrix();
    {
        glRotatef(state.tiltAngle, 0.0f, 0.0f, 1.0f);
        glRotatef(state.spinAngle, 0.0f, 1.0f, 0.0f);
        DrawCloseUpBody(state.viewMode);
        DrawSpinAxis();
        RegisterIdleStep(AdvanceSpin);
    }
    glPopMatrix();
}

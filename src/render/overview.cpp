// The overview: star field, Sun, floor grid and the nine planets under the user's rotation.
#include "render/overview.h"

#include <GL/freeglut_std.h>

#include "animation/frame_pacing.h"
#include "animation/idle_steps.h"
#include "render/sphere_mesh.h"
#include "render/star_field.h"
#include "scene/scene_state.h"

namespace {

// Whole numbers, exact in single precision, which is all GL keeps of a vertex and all WebGL takes.
constexpr float kGridHalfSize = 50.0f;  // scene units
constexpr float kGridSpacing = 10.0f;   // scene units
constexpr float kGridHeight = -10.0f;   // scene units below the Sun's centre

void DrawSun() {
    const Rgb c = Sun().overviewColour;
    glColor3ub(c.r, c.g, c.b);
    DrawSolidSphere(static_cast<double>(Sun().sphereRadius));
}

// Drawn in the colour left by the Sun.
void DrawFloorGrid() {
    for (int line = 0; line <= 10; ++line) {
        const float c = kGridHalfSize - static_cast<float>(line) * kGridSpacing;
        glBegin(GL_LINES);
        glVertex3f(c, kGridHeight, kGridHalfSize);
        glVertex3f(c, kGridHeight, -kGridHalfSize);
        glVertex3f(kGridHalfSize, kGridHeight, c);
        glVertex3f(-kGridHalfSize, kGridHeight, c);
        glEnd();
    }
}

void DrawPlanets(const SceneState& state) {
    for (int i = 0; i < kPlanetCount; ++i) {
        glPushMatrix();
        {
            glRotatef(state.orbitAngle[static_cast<std::size_t>(i)], 0.0f, 1.0f, 0.0f);
            DrawOrbitBody(i);
        }
        glPopMatrix();
    }
}

}  // namespace

void DrawOrbitBody(int planetIndex) {
    const BodyInfo& planet = Planet(planetIndex);
    glPushMatrix();
    {
        glColor3ub(planet.overviewColour.r, planet.overviewColour.g, planet.overviewColour.b);
        glTranslatef(0.0f, 0.0f, -planet.orbitRadius);
        DrawSolidSphere(static_cast<double>(planet.sphereRadius));
    }
    glPopMatrix();
}

void DrawOverview(const SceneState& state) {
    DrawStarField(ClockSeed());  // outside the rotation: the stars stay put
    glPushMatrix();
    {
        glRotatef(state.pitch, 1.0f, 0.0f, 0.0f);
        glRotatef(state.yaw, 0.0f, 1.0f, 0.0f);
        DrawSun();
        DrawFloorGrid();
        DrawPlanets(state);
        RegisterIdleStep(AdvanceOrbits);
    }
    glPopMatrix();
}

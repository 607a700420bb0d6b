// Every frame the program draws must match, pixel for pixel, the plain rendering it speeds up:
// spheres built by GLUT on every call, all 1000 stars drawn, and the overview drawn as stars, Sun,
// grid, then the planets from Mercury out.
#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "animation/idle_steps.h"
#include "app/change_size.h"
#include "input/body_menu.h"
#include "input/view_controls.h"
#include "render/draw_frame.h"
#include "render/star_field.h"
#include "xvfb_server.h"

namespace {

constexpr int kSizePx = 1000;
std::uint32_t starSeed = 1700000000u;
std::uint32_t TestClock() { return starSeed; }

void ReferenceStars(std::uint32_t seed) {
    auto rand = [&seed] { return int(((seed = seed * 214013u + 2531011u) >> 16) & 0x7FFF); };
    const double outline[8][2] = {{0, 0},    {-0.1, -0.05}, {-0.15, -0.15}, {-0.1, -0.25},
                                  {0, -0.3}, {0.1, -0.25},  {0.15, -0.15},  {0.1, -0.05}};
    for (int i = 1; i <= 1000; ++i) {
        int x = rand() % 1000, y = rand() % 750;
        if (i % 2 == 1) x = -x, y = -y;
        const int blue = rand() % 255, green = rand() % 255, red = rand() % 255;
        glColor3ub(red, green, blue);
        glBegin(GL_POLYGON);
        for (const auto& o : outline) glVertex2f(float(x + o[0]), float(y + o[1]));
        glEnd();
    }
}

void ReferenceOverview() {
    ReferenceStars(starSeed);
    glPushMatrix();
    glRotatef(scene.pitch, 1, 0, 0);
    glRotatef(scene.yaw, 0, 1, 0);
    glColor3ub(230, 50, 0);
    glutSolidSphere(6.0, 25, 25);
    for (double c = 50; c >= -50; c -= 10) {
        glBegin(GL_LINES);
        glVertex3d(c, -10, 50);
        glVertex3d(c, -10, -50);
        glVertex3d(50, -10, c);
        glVertex3d(-50, -10, c);
        glEnd();
    }
    for (int i = 0; i < kPlanetCount; ++i) {
        const BodyInfo& p = Planet(i);
        glPushMatrix();
        glRotatef(scene.orbitAngle[std::size_t(i)], 0, 1, 0);
        glPushMatrix();
        glColor3ub(p.overviewColour.r, p.overviewColour.g, p.overviewColour.b);
        glTranslatef(0, 0, -p.orbitRadius);
        glutSolidSphere(double(p.sphereRadius), 25, 25);
        glPopMatrix();
        glPopMatrix();
    }
    glPopMatrix();
}

void ReferenceCloseUp() {
    if (scene.viewMode == 2) {
        glLoadIdentity();
        gluLookAt(0, 0, -5, 0, 0, 0, 0, 1, 0);
    }
    const Rgb c = FindBody(scene.viewMode)->closeUpColour;
    glPushMatrix();
    glRotatef(scene.tiltAngle, 0, 0, 1);
    glRotatef(scene.spinAngle, 0, 1, 0);
    glPushMatrix();
    glColor3ub(c.r, c.g, c.b);
    glRotatef(-90, 1, 0, 0);
    glutWireSphere(30.0, 25, 25);
    glPopMatrix();
    glBegin(GL_LINES);
    glColor3ub(0, 255, 0);
    glVertex3d(0, -55, 0);
    glVertex3d(0, 55, 0);
    glEnd();
    glPopMatrix();
}

std::vector<unsigned char> BackBuffer() {
    std::vector<unsigned char> rgb(std::size_t(kSizePx) * kSizePx * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kSizePx, kSizePx, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

std::string Pixel(const std::vector<unsigned char>& rgb, std::size_t i) {
    return std::to_string(rgb[i]) + "," + std::to_string(rgb[i + 1]) + "," +
           std::to_string(rgb[i + 2]);
}

// Draws the current scene both ways from the same modelview matrix; "" when every pixel agrees.
std::string CompareWithReference() {
    GLfloat start[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, start);
    DrawFrameOn(scene);
    const std::vector<unsigned char> observed = BackBuffer();
    glLoadMatrixf(start);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    scene.viewMode == kOverviewMode ? ReferenceOverview() : ReferenceCloseUp();
    const std::vector<unsigned char> expected = BackBuffer();
    std::string report = glGetError() == GL_NO_ERROR ? "" : " GL error;";
    int differing = 0;
    for (std::size_t i = 0; i < expected.size(); i += 3) {
        if (std::equal(&expected[i], &expected[i + 3], &observed[i]) || ++differing > 5) continue;
        report += " (" + std::to_string(i / 3 % kSizePx) + "," + std::to_string(i / 3 / kSizePx) +
                  ") expected " + Pixel(expected, i) + " observed " + Pixel(observed, i) + ";";
    }
    return differing == 0 ? report : report + " " + std::to_string(differing) + " pixels differ";
}

struct Frame {
    const char* name;
    int width, height;  // a new window size first; 0 keeps the size and the modelview matrix
    unsigned char key;  // pressed, 0 for none
    int menuValue;      // then chosen, 0 for none
    int steps;          // then idle steps of the view shown
};

// In order: the modelview matrix a frame leaves (the Sun's look-at) carries into the next.
// clang-format off
constexpr Frame kFrames[] = {
    {"start-up overview", kSizePx, kSizePx, 0, 0, 0}, {"from above", 0, 0, 'a', 0, 0},
    {"edge-on", 0, 0, 's', 0, 0},                     {"30 steps in", 0, 0, 'd', 0, 30},
    {"wide window", kSizePx, 400, 0, 0, 0},           {"wide, from above", 0, 0, 'a', 0, 0},
    {"tall window", 400, kSizePx, 'd', 0, 0},
    {"Mercury", kSizePx, kSizePx, 0, 3, 7}, {"Venus", 0, 0, 0, 4, 7},   {"Earth", 0, 0, 0, 5, 7},
    {"Mars", 0, 0, 0, 6, 7},                {"Jupiter", 0, 0, 0, 7, 7}, {"Saturn", 0, 0, 0, 8, 7},
    {"Uranus", 0, 0, 0, 9, 7},              {"Neptune", 0, 0, 0, 10, 7}, {"Pluto", 0, 0, 0, 11, 7},
    {"Sun, seen from behind", 0, 0, 0, 2, 7},    {"Earth after the Sun", 0, 0, 0, 5, 7},
    {"Earth after a resize", kSizePx, kSizePx, 0, 0, 7}, {"Earth in a wide window", kSizePx, 300, 0, 0, 0},
};
// clang-format on

void Apply(const Frame& frame, SceneState& state) {
    if (frame.key != 0) KeyDownOn(state, frame.key);
    if (frame.menuValue != 0) SelectBodyOn(state, frame.menuValue);
    for (int i = 0; i < frame.steps; ++i)
        state.viewMode == kOverviewMode ? AdvanceOrbitsOn(state) : AdvanceSpinOn(state);
}

void OpenWindow() {
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(kSizePx, kSizePx);
    glutCreateWindow("identity");
    glutDisplayFunc([] {});
}

// A second window gets a new GL context, in which the program must not replay the first one's
// state.
TEST(Identity, EveryPixelMatchesTheStraightforwardRendering) {
    XvfbServer server;
    setenv("DISPLAY", server.display().c_str(), 1);
    int argc = 1;
    char name[] = "identity_test";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    SetStarClock(TestClock);
    std::string failures;
    for (const char* window : {"first window, ", "second window, "}) {
        OpenWindow();
        SceneState state = InitialSceneState();
        for (const Frame& frame : kFrames) {
            Apply(frame, state);
            scene = state;
            starSeed += 7919;  // a different field in every frame
            if (frame.width > 0) ChangeSize(frame.width, frame.height);
            if (const std::string diff = CompareWithReference(); !diff.empty())
                failures += std::string("\n") + window + frame.name + ":" + diff;
        }
        glutDestroyWindow(glutGetWindow());
    }
    glutExit();  // before the server goes
    EXPECT_TRUE(failures.empty()) << failures;
}

}  // namespace

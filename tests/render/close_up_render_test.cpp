// The close-up's wire sphere and tilted axis, the Sun's look-at, and the sphere after a resize.
#include <algorithm>

#include "render_fixture.h"

namespace {

constexpr Rgb kAxisGreen{0, 255, 0};

struct CloseUpLook {
    int menuValue;
    Rgb wire;
    double tiltDegrees;
};

constexpr CloseUpLook kCloseUps[] = {
    {2, {255, 0, 0}, 0.0},         {3, {250, 50, 50}, -0.1},   {4, {255, 110, 0}, -357.0},
    {5, {60, 90, 250}, -23.0},     {6, {230, 50, 30}, -25.0},  {7, {90, 110, 160}, -3.0},
    {8, {130, 80, 30}, -27.0},     {9, {80, 150, 240}, -98.0}, {10, {60, 110, 200}, -30.0},
    {11, {130, 220, 250}, -120.0},
};
constexpr const CloseUpLook& kEarth = kCloseUps[3];
constexpr const CloseUpLook& kUranus = kCloseUps[7];

// Wire just inside radius 30 and none a few pixels beyond it, in directions away from the axis;
// then the green axis through the centre turned about z by the tilt, mirrored left to right under
// the look-at.
void ProbeBody(const Frame& frame, const CloseUpLook& body, bool mirrored, ProbeReport& report,
               const std::string& what) {
    for (double offset : {0.0, 45.0, 135.0, 180.0, 225.0, 315.0}) {
        const double a = Radians(body.tiltDegrees + offset);
        report.Expect(frame, ToWindow({29.5 * std::cos(a), 29.5 * std::sin(a)}), body.wire,
                      what + " outline", 5);
        report.Expect(frame, ToWindow({30.7 * std::cos(a), 30.7 * std::sin(a)}), body.wire,
                      what + " beyond its outline", 3, false);
    }
    // The axis reaches 55 each way, 25 beyond the poles, unless the ±50 view cuts it first.
    const double tilt = Radians(body.tiltDegrees), side = mirrored ? -1.0 : 1.0;
    const Xy up{side * -std::sin(tilt), std::cos(tilt)};
    const double end = std::min(55.0, 50.0 / std::max(std::abs(up.x), std::abs(up.y)));
    for (double along : {0.5 - end, -20.0, 20.0, end - 0.5})
        report.Expect(frame, ToWindow({along * up.x, along * up.y}), kAxisGreen, what + " axis", 1);
}

TEST_F(RenderTest, EachCloseUpShowsItsWireSphereAndTiltedAxis) {
    for (const CloseUpLook& body : kCloseUps) {
        scene = InitialSceneState();
        Resize(kGlWindowPx, kGlWindowPx);  // ends the look-at a Sun close-up leaves behind
        Choose(body.menuValue);
        scene.spinAngle = 37.0f;
        ProbeBody(Draw(), body, false, report, "body " + std::to_string(body.menuValue));
    }
}

// With the poles on the spin axis, the parallels next to each pole lie square to the green line
// at whatever spin: the three nearest each pole are probed halfway out from the axis, both sides.
void ProbePoles(const Frame& frame, const CloseUpLook& body, ProbeReport& report,
                const std::string& what) {
    const double tilt = Radians(body.tiltDegrees), stackDeg = 180.0 / kSphereStacks;
    for (int stack = 1; stack <= 3; ++stack) {
        const double along = 30.0 * std::cos(Radians(stack * stackDeg));
        const double across = 0.5 * 30.0 * std::sin(Radians(stack * stackDeg));
        for (double pole : {1.0, -1.0}) {
            for (double side : {1.0, -1.0}) {
                const double a = pole * along, c = side * across;
                report.Expect(
                    frame,
                    ToWindow({c * std::cos(tilt) - a * std::sin(tilt),
                              c * std::sin(tilt) + a * std::cos(tilt)}),
                    body.wire,
                    what + (pole > 0 ? " north" : " south") + " parallel " + std::to_string(stack),
                    1);
            }
        }
    }
}

TEST_F(RenderTest, MeridiansMeetOnTheAxisAtBothPoles) {
    for (const CloseUpLook& body : {kEarth, kUranus}) {
        Choose(body.menuValue);
        for (float spin : {0.0f, 37.0f, 100.0f}) {
            scene.spinAngle = spin;
            ProbePoles(Draw(), body, report,
                       "body " + std::to_string(body.menuValue) + " spin " +
                           std::to_string(static_cast<int>(spin)));
        }
    }
}

TEST_F(RenderTest, SunLookAtMirrorsLaterCloseUpsUntilTheNextResize) {
    Choose(2);
    Draw();
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    const float lookAt[16] = {-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, -5, 1};  // (-x, y, -z-5)
    for (int i = 0; i < 16; ++i)
        report.Check(std::abs(m[i] - lookAt[i]) < 1e-6f, "look-at element " + std::to_string(i));
    Choose(kEarth.menuValue);
    ProbeBody(Draw(), kEarth, true, report, "Earth after the Sun");
    Resize(kGlWindowPx, kGlWindowPx);
    ProbeBody(Draw(), kEarth, false, report, "Earth after a resize");
}

}  // namespace

// Shared set-up of the drawing tests: the window, a fresh scene and a star field out of view.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/change_size.h"
#include "frame_probe.h"
#include "gl_window.h"
#include "input/body_menu.h"
#include "output_capture.h"
#include "render/draw_frame.h"
#include "render/star_field.h"

inline constexpr std::uint32_t kEmptySkySeed = 73;  // no star of this field falls inside ±50
inline constexpr double kPxPerUnit = kGlWindowPx / 100.0;  // ±50 across the square window

inline double Radians(double degrees) { return degrees * 3.14159265358979323846 / 180.0; }

struct Xy {
    double x, y;
};

// The pixel a point of the ±50 view volume lands on; GL rows count from the bottom.
inline Pixel ToWindow(Xy p) {
    return {static_cast<int>(std::floor(kGlWindowPx / 2 + kPxPerUnit * p.x)),
            static_cast<int>(std::floor(kGlWindowPx / 2 + kPxPerUnit * p.y))};
}

class RenderTest : public testing::Test {
protected:
    void SetUp() override {
        EnsureGlWindow();
        scene = InitialSceneState();
        SetStarClock([] { return kEmptySkySeed; });
        Resize(kGlWindowPx, kGlWindowPx);
    }
    void TearDown() override { report.ExpectNoFailures(); }

    static std::string Resize(int w, int h) {  // returns the console line
        const OutputCapture console(stdout);
        ChangeSize(w, h);
        return console.Text();
    }
    static void Choose(int menuValue) {
        const OutputCapture console(stdout);
        SelectBodyOn(scene, menuValue);
    }
    Frame Draw() {
        DrawFrameOn(scene);
        report.Check(glGetError() == GL_NO_ERROR, "GL error after a frame");
        return Frame();
    }

    ProbeReport report;
};

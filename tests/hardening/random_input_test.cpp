// 100 000 random input, resize, idle and frame events: no GL error, finite state, rules kept.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "animation/frame_pacing.h"
#include "app/change_size.h"
#include "gl_window.h"
#include "input/body_menu.h"
#include "input/view_controls.h"
#include "output_capture.h"
#include "reference_model.h"
#include "render/draw_frame.h"

namespace {

constexpr int kEvents = 100000;
constexpr unsigned kSeed = 20261208u;
constexpr int kOddSizes[][2] = {{0, 0}, {1, 1}, {10000, 1}, {1, 10000}, {0, 700}, {700, 0}};

// Feeds the same events to the program's GLUT callbacks and to the reference model.
struct Driver {
    std::mt19937 random{kSeed};
    SceneState model = InitialSceneState();
    std::string expectedOutput;
    int x = 500, y = 500, frames = 0, glErrors = 0, firstDivergence = -1;
    std::string programAtDivergence, modelAtDivergence;
    void (*modelIdle)(SceneState&) = nullptr;  // the step the model's last frame asks for

    int Pick(int lo, int hi) { return lo + static_cast<int>(random() % unsigned(hi - lo + 1)); }
    // Function keys, every arrow and freeglut's extra keys (all contiguous), or no key at all.
    int SpecialKey() {
        const int pick = Pick(0, 9);
        return pick < 4   ? Pick(GLUT_KEY_F1, GLUT_KEY_F12)
               : pick < 9 ? Pick(GLUT_KEY_LEFT, GLUT_KEY_SUPER_R)
                          : Pick(-5, 1000);
    }
    void Resize(int w, int h) {
        ChangeSize(w, h);
        expectedOutput += "ChangeSize call, nRange=" + std::to_string(model.nRange);
    }
    void Select(int value) {
        SelectBody(value);
        model::Select(model, value);
        expectedOutput += std::to_string(value) + " select \n";
    }
    void Frame() {
        DrawFrame();
        for (GLenum e = glGetError(); e != GL_NO_ERROR; e = glGetError()) ++glErrors;
        // An overview frame asks for the orbit step, a close-up for the spin, any other view
        // for nothing new.
        if (model.viewMode == 1) modelIdle = [](SceneState& s) { model::Orbits(s.orbitAngle); };
        if (model.viewMode >= 2 && model.viewMode <= 11) modelIdle = model::Spin;
        ++frames;
    }
    // Compared after every event: a preset key would hide an earlier slip from a final comparison.
    void Compare(int event) {
        if (firstDivergence >= 0 || model::Describe(scene) == model::Describe(model)) return;
        firstDivergence = event;
        programAtDivergence = model::Describe(scene);
        modelAtDivergence = model::Describe(model);
    }
    void Next() {
        const int kind = Pick(0, 99), button = Pick(0, 7), state = Pick(0, 1);
        const auto key = static_cast<unsigned char>(Pick(0, 255));
        if (kind < 20) {
            KeyDown(key, x, y);
            model::Key(model, key);
        } else if (kind < 30) {
            const int special = SpecialKey();
            // F10's callback asks for the modifiers, which GLUT has only in its own dispatch.
            special == GLUT_KEY_F10 ? SpecialKeyDownOn(scene, special)
                                    : SpecialKeyDown(special, x, y);
            model::Special(model, special);
        } else if (kind < 42) {
            MouseButton(button, state, x, y);
            model::Button(model, button, state, x, y);
        } else if (kind < 62) {
            x += Pick(-3, 3), y += Pick(-3, 3);
            MouseDrag(x, y);
            model::Drag(model, x, y);
        } else if (kind < 65) {
            Select(Pick(-3, 14));  // bodies are 2 … 11
        } else if (kind < 67) {
            const auto& size = kOddSizes[Pick(0, std::size(kOddSizes) - 1)];
            Resize(size[0], size[1]);
        } else if (kind < 69) {
            Resize(Pick(0, 3000), Pick(0, 3000));
        } else if (kind < 88) {
            if (const IdleStep step = RegisteredIdleStep()) step();
            if (modelIdle != nullptr) modelIdle(model);
        } else {
            Frame();
        }
    }
};

TEST(RandomInput, HundredThousandEventsKeepTheViewerDrawingAndTheRules) {
    EnsureGlWindow(kSmallGlWindowPx);
    Driver driver;
    OutputCapture console(stdout);
    for (int i = 0; i < kEvents; ++i) driver.Next(), driver.Compare(i);
    console.Stop();
    const std::string printed = console.Text();
    std::printf("random input: %d events, %d frames, %zu bytes printed\n", kEvents, driver.frames,
                printed.size());

    EXPECT_EQ(driver.glErrors, 0);
    const std::string state = model::Describe(scene);  // printf spells out inf and nan
    EXPECT_TRUE(state.find("inf") == std::string::npos && state.find("nan") == std::string::npos)
        << state;
    EXPECT_EQ(driver.firstDivergence, -1)
        << "program " << driver.programAtDivergence << "\nmodel   " << driver.modelAtDivergence;
    const std::string& expected = driver.expectedOutput;
    const auto at = std::mismatch(printed.begin(), printed.end(), expected.begin(), expected.end());
    EXPECT_TRUE(printed == expected)
        << "console differs from the size and menu messages at byte " << at.first - printed.begin()
        << ": printed \"" << std::string(at.first, printed.end()).substr(0, 60) << "\", expected \""
        << std::string(at.second, expected.end()).substr(0, 60) << '"';
}

}  // namespace

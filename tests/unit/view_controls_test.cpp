// Preset keys, arrow steps with their lopsided wrap, and left-button drags on the overview angles.
#include "input/view_controls.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <string>

namespace {

// Plays a script of inputs on the start-up state, pointer first at (100, 100). Letters are keys;
// ^ _ < > the arrows up, down, left, right; 1 is F1; [ ] press and release the left button and
// ( ) the middle one; 8 2 4 6 9 move the pointer one pixel up, down, left, right, up-right, 5 not
// at all and * 300 pixels right and down.
SceneState Play(const std::string& script) {
    SceneState s = InitialSceneState();
    int x = 100, y = 100;
    for (const char c : script) {
        switch (c) {
        case '^': SpecialKeyDownOn(s, GLUT_KEY_UP); break;
        case '_': SpecialKeyDownOn(s, GLUT_KEY_DOWN); break;
        case '<': SpecialKeyDownOn(s, GLUT_KEY_LEFT); break;
        case '>': SpecialKeyDownOn(s, GLUT_KEY_RIGHT); break;
        case '1': SpecialKeyDownOn(s, GLUT_KEY_F1); break;
        case '[': MouseButtonOn(s, GLUT_LEFT_BUTTON, GLUT_DOWN, x, y); break;
        case ']': MouseButtonOn(s, GLUT_LEFT_BUTTON, GLUT_UP, x, y); break;
        case '(': MouseButtonOn(s, GLUT_MIDDLE_BUTTON, GLUT_DOWN, x, y); break;
        case ')': MouseButtonOn(s, GLUT_MIDDLE_BUTTON, GLUT_UP, x, y); break;
        case '8': MouseDragOn(s, x, --y); break;
        case '2': MouseDragOn(s, x, ++y); break;
        case '4': MouseDragOn(s, --x, y); break;
        case '6': MouseDragOn(s, ++x, y); break;
        case '9': MouseDragOn(s, ++x, --y); break;
        case '5': MouseDragOn(s, x, y); break;
        case '*': MouseDragOn(s, x += 300, y += 300); break;
        default: KeyDownOn(s, static_cast<unsigned char>(c));
        }
    }
    return s;
}

TEST(ViewControls, TurnTheOverviewAsEachScriptSays) {
    const float start = 15.01f;
    const std::string fifteenRightDrags = "[" + std::string(15, '6');
    const struct {
        std::string script;
        float pitch, yaw;
    } cases[] = {
        {"a", 90, 0},
        {"s", 0, 90},
        {"sd", 15, 340},
        {"ASDx", start, 340},  // lower case only
        {"^", start - 5, 340},
        {"^^^", start - 15, 340},
        {"^^^^", 355, 340},
        {"^^^^_", 0, 340},
        {"_", start + 5, 340},
        {"<", start, 335},
        {">>>", start, 355},
        {">>>>", start, 0},
        {"a<", 90, 355},
        {"1", start, 340},
        {"[9", start - 4, 344},
        {"[*", start + 4, 344},
        {"[4", start, 336},
        {"[2", start + 4, 340},
        {"[5", start, 340},
        {"9", start, 340},
        {"[]9", start, 340},
        {"[(9", start, 340},
        {"[)9", start, 340},
        {"9[4", start, 336},  // the press sets the reference point
        {"[8888", start - 16, 340},
        {fifteenRightDrags, start, 400},  // drags never wrap
        {fifteenRightDrags + "1", start, 0},
        {"[888881", 355, 340},
        {"[88881", start - 16, 340},
        {"[66661", start, 356},
        {"d[88881", -1, 340},  // both thresholds are strict
    };
    for (const auto& c : cases) {
        const SceneState s = Play(c.script);
        EXPECT_FLOAT_EQ(s.pitch, c.pitch) << c.script;
        EXPECT_FLOAT_EQ(s.yaw, c.yaw) << c.script;
    }
    EXPECT_EQ(Play("[8888").pitch, 15.01f - 16.0f);
}

}  // namespace

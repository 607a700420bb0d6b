// Preset keys, arrow steps with their lopsided wrap, and left-button drags on the overview angles.
#include "input/view_controls.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

// One input event; `a` is the key or button, `b` the button state.
struct Input {
    enum Kind { kKey, kSpecial, kButton, kDrag } kind;
    int a = 0, b = 0, x = 0, y = 0;
};

Input Key(unsigned char key) { return {Input::kKey, key}; }
Input Special(int key) { return {Input::kSpecial, key}; }
Input Button(int button, int state, int x = 100, int y = 100) {
    return {Input::kButton, button, state, x, y};
}
Input LeftPress() { return Button(GLUT_LEFT_BUTTON, GLUT_DOWN); }
Input Drag(int x, int y) { return {Input::kDrag, 0, 0, x, y}; }

void Apply(SceneState& s, const Input& in) {
    switch (in.kind) {
    case Input::kKey: PressKey(s, static_cast<unsigned char>(in.a)); break;
    case Input::kSpecial: PressSpecialKey(s, in.a); break;
    case Input::kButton: PressMouseButton(s, in.a, in.b, in.x, in.y); break;
    case Input::kDrag: DragMouse(s, in.x, in.y); break;
    }
}

std::vector<Input> Repeat(const Input& in, int times) { return std::vector<Input>(times, in); }

// A left press at (100, 100) followed by `count` drag events each one pixel further by (dx, dy).
std::vector<Input> Drags(int dx, int dy, int count) {
    std::vector<Input> inputs{LeftPress()};
    for (int i = 1; i <= count; ++i) inputs.push_back(Drag(100 + i * dx, 100 + i * dy));
    return inputs;
}

std::vector<Input> Then(std::vector<Input> first, const std::vector<Input>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

struct ControlCase {
    const char* name;
    std::vector<Input> inputs;
    float pitch, yaw;
};

TEST(ViewControls, TurnTheOverviewAsEachInputSequenceSays) {
    const float start = 15.01f;
    const ControlCase cases[] = {
        {"a", {Key('a')}, 90, 0},
        {"s", {Key('s')}, 0, 90},
        {"d", {Key('s'), Key('d')}, 15.0f, 340},
        {"upper case and other keys", {Key('A'), Key('S'), Key('D'), Key('x')}, start, 340},
        {"up 1", {Special(GLUT_KEY_UP)}, start - 5, 340},
        {"up 3", Repeat(Special(GLUT_KEY_UP), 3), start - 15, 340},
        {"up 4 wraps below -1", Repeat(Special(GLUT_KEY_UP), 4), 355, 340},
        {"down from 355 wraps past 356",
         Then(Repeat(Special(GLUT_KEY_UP), 4), {Special(GLUT_KEY_DOWN)}), 0, 340},
        {"down", {Special(GLUT_KEY_DOWN)}, start + 5, 340},
        {"left", {Special(GLUT_KEY_LEFT)}, start, 335},
        {"right 3", Repeat(Special(GLUT_KEY_RIGHT), 3), start, 355},
        {"right 4 wraps", Repeat(Special(GLUT_KEY_RIGHT), 4), start, 0},
        {"left from 0 wraps", {Key('a'), Special(GLUT_KEY_LEFT)}, 90, 355},
        {"F1 changes nothing in range", {Special(GLUT_KEY_F1)}, start, 340},
        {"drag right and up", {LeftPress(), Drag(101, 99)}, start - 4, 344},
        {"drag far still 4", {LeftPress(), Drag(400, 900)}, start + 4, 344},
        {"drag without moving", {LeftPress(), Drag(100, 100)}, start, 340},
        {"drag without press", {Drag(101, 99)}, start, 340},
        {"drag after release",
         {LeftPress(), Button(GLUT_LEFT_BUTTON, GLUT_UP), Drag(101, 99)},
         start,
         340},
        {"middle press ends drag",
         {LeftPress(), Button(GLUT_MIDDLE_BUTTON, GLUT_DOWN), Drag(101, 99)},
         start,
         340},
        {"middle release ends drag",
         {LeftPress(), Button(GLUT_MIDDLE_BUTTON, GLUT_UP), Drag(101, 99)},
         start,
         340},
        {"press point is the reference",
         {Button(GLUT_LEFT_BUTTON, GLUT_DOWN, 50, 50), Drag(60, 40)},
         start - 4,
         344},
        {"four up drags", Drags(0, -1, 4), start - 16, 340},
        {"drags never wrap", Drags(1, 0, 15), start, 400},
        {"F1 wraps 400", Then(Drags(1, 0, 15), {Special(GLUT_KEY_F1)}), start, 0},
        {"F1 wraps -4.99", Then(Drags(0, -1, 5), {Special(GLUT_KEY_F1)}), 355, 340},
        {"F1 keeps -0.99", Then(Drags(0, -1, 4), {Special(GLUT_KEY_F1)}), start - 16, 340},
        {"F1 keeps 356", Then(Drags(1, 0, 4), {Special(GLUT_KEY_F1)}), start, 356},
        {"F1 keeps -1", Then(Then({Key('d')}, Drags(0, -1, 4)), {Special(GLUT_KEY_F1)}), -1, 340},
    };
    for (const ControlCase& c : cases) {
        SceneState s = InitialSceneState();
        for (const Input& in : c.inputs) Apply(s, in);
        EXPECT_FLOAT_EQ(s.pitch, c.pitch) << c.name;
        EXPECT_FLOAT_EQ(s.yaw, c.yaw) << c.name;
    }
}

TEST(ViewControls, FourUpwardDragsGiveExactlyTheFloatDifference) {
    SceneState s = InitialSceneState();
    for (const Input& in : Drags(0, -1, 4)) Apply(s, in);
    EXPECT_EQ(s.pitch, 15.01f - 16.0f);
}

}  // namespace

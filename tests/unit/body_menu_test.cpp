// Choosing a body from the menu: the close-up's spin, tilt and range, and the console line.
#include "input/body_menu.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ChooseAndCapture(SceneState& s, int value) {
    testing::internal::CaptureStdout();
    ChooseBody(s, value);
    return testing::internal::GetCapturedStdout();
}

struct BodyCase {
    int value;
    float spinStep, tilt, nRangeFromStart;
};

TEST(ChooseBody, SetsEachBodysSpinTiltAndRangeAndLogsTheValue) {
    const BodyCase cases[] = {
        {2, 0.4f, 0.0f, 50},       {3, 0.2f, -0.1f, 10},   {4, 0.09f, -357.0f, 10},
        {5, 1.0f, -23.0f, 10},     {6, 0.9f, -25.0f, 10},  {7, 2.43f, -3.0f, 10},
        {8, 2.34f, -27.0f, 10},    {9, 1.34f, -98.0f, 10}, {10, 1.25f, -30.0f, 10},
        {11, 0.156f, -120.0f, 10},
    };
    for (const BodyCase& c : cases) {
        SceneState s = InitialSceneState();
        s.spinAngle = 123.5f;
        EXPECT_EQ(ChooseAndCapture(s, c.value), std::to_string(c.value) + " select \n");
        EXPECT_EQ(s.viewMode, c.value);
        EXPECT_EQ(s.spinStep, c.spinStep) << c.value;
        EXPECT_EQ(s.tiltAngle, c.tilt) << c.value;
        EXPECT_EQ(s.nRange, c.nRangeFromStart) << c.value;
        EXPECT_EQ(s.spinAngle, 123.5f) << "the spin carries over to body " << c.value;
        EXPECT_EQ(s.pitch, 15.01f);
        EXPECT_EQ(s.yaw, 340.0f);
    }
}

TEST(ChooseBody, SunAfterAPlanetKeepsThePlanetsRange) {
    SceneState s = InitialSceneState();
    ChooseAndCapture(s, 7);
    ChooseAndCapture(s, 2);
    EXPECT_EQ(s.nRange, 10.0f);
    EXPECT_EQ(s.spinStep, 0.4f);
    EXPECT_EQ(s.tiltAngle, 0.0f);
}

TEST(ChooseBody, UnknownValueSetsOnlyTheViewModeAndLogs) {
    for (int value : {0, 1, 12, -5}) {
        SceneState s = InitialSceneState();
        ChooseAndCapture(s, 5);
        s.spinAngle = 42.0f;
        EXPECT_EQ(ChooseAndCapture(s, value), std::to_string(value) + " select \n");
        EXPECT_EQ(s.viewMode, value);
        EXPECT_EQ(s.spinStep, 1.0f) << value;
        EXPECT_EQ(s.tiltAngle, -23.0f) << value;
        EXPECT_EQ(s.nRange, 10.0f) << value;
        EXPECT_EQ(s.spinAngle, 42.0f) << value;
    }
}

}  // namespace

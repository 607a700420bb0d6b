// The orthographic view volume for each window shape, and the range each view projects with.
#include "app/view_volume.h"

#include <gtest/gtest.h>

namespace {

struct VolumeCase {
    int width, height;
    float range;
    double halfX, halfY;
};

TEST(ComputeViewVolume, ShorterSideSpansTwiceTheRange) {
    const VolumeCase cases[] = {
        {1000, 1000, 50, 50, 50},   {1000, 500, 50, 100, 50},      {500, 1000, 50, 50, 100},
        {1000, 0, 50, 50000, 50},   {0, 1000, 50, 50, 50000},      {0, 0, 50, 50, 50},
        {1280, 1024, 10, 12.5, 10}, {1000, 300, 50, 166.6667, 50},
    };
    for (const VolumeCase& c : cases) {
        const ViewVolume v = ComputeViewVolume(c.width, c.height, c.range);
        const double got[] = {v.left, v.right, v.bottom, v.top, v.nearZ, v.farZ};
        const double want[] = {-c.halfX, c.halfX, -c.halfY, c.halfY, -c.range, c.range};
        for (int i = 0; i < 6; ++i)
            EXPECT_NEAR(got[i], want[i], 1e-3) << c.width << "x" << c.height << " plane " << i;
    }
}

TEST(ProjectionRange, CloseUpsNeverGoBelowTheWholeSphere) {
    struct Case {
        int viewMode;
        float nRange, expected;
    };
    const Case cases[] = {{1, 50, 50}, {1, 10, 10}, {5, 10, 50},
                          {2, 10, 50}, {2, 50, 50}, {11, 80, 80}};
    for (const Case& c : cases) {
        SceneState s = InitialSceneState();
        s.viewMode = c.viewMode;
        s.nRange = c.nRange;
        EXPECT_EQ(ProjectionRange(s), c.expected) << c.viewMode << " " << c.nRange;
    }
}

}  // namespace

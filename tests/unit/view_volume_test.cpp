// The orthographic view volume for each window shape, and the range each view projects with.
#include "app/view_volume.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ComputeViewVolume, ShorterSideSpansTwiceTheRange) {
    struct Case {
        int width, height;
        float range;
        double halfX, halfY;
    };
    const Case cases[] = {
        {1000, 1000, 50, 50, 50},   {1000, 500, 50, 100, 50},      {500, 1000, 50, 50, 100},
        {1000, 0, 50, 50000, 50},   {0, 1000, 50, 50, 50000},      {0, 0, 50, 50, 50},
        {1280, 1024, 10, 12.5, 10}, {1000, 300, 50, 166.6667, 50},
    };
    for (const Case& c : cases) {
        const ViewVolume v = ComputeViewVolume(c.width, c.height, c.range);
        const std::vector<double> want{-c.halfX, c.halfX, -c.halfY, c.halfY, -c.range, c.range};
        const std::vector<double> got{v.left, v.right, v.bottom, v.top, v.nearZ, v.farZ};
        for (std::size_t i = 0; i < want.size(); ++i)
            EXPECT_NEAR(got[i], want[i], 1e-3) << c.width << "x" << c.height << " plane " << i;
    }
}

TEST(ProjectionRange, CloseUpsNeverGoBelowTheWholeSphere) {
    const float cases[][3] = {{1, 50, 50}, {1, 10, 10}, {5, 10, 50}, {2, 10, 50}, {11, 80, 80}};
    for (const auto& [viewMode, nRange, expected] : cases) {
        SceneState s = InitialSceneState();
        s.viewMode = static_cast<int>(viewMode);
        s.nRange = nRange;
        EXPECT_EQ(ProjectionRange(s), expected) << viewMode << " " << nRange;
    }
}

}  // namespace

// Rectangles and the first window fitted to a monitor's work area with its frame.
#include "geometry/geometry.h"

#include <gtest/gtest.h>

#include <utility>

#include "rect_text.h"

namespace {

// The first window's side: the largest square, at most `wantedPx`, that fits.
int FittingSquareSide(const Rect& area, const FrameExtents& frame, int wantedPx) {
    return FittedSize(area, frame, {wantedPx, wantedPx}).width;
}

TEST(FirstWindowPlacement, LargestSquareTheMonitorsWorkAreaHoldsWithTheFrameAtMost1000) {
    const FrameExtents frame{1, 1, 20, 5};
    EXPECT_EQ(FittingSquareSide({0, 0, 1366, 768}, frame, 1000), 743);
    EXPECT_EQ(FittingSquareSide({0, 0, 1920, 1080}, frame, 1000), 1000) << "room to spare";
    EXPECT_EQ(FittingSquareSide({0, 0, 1280, 1024}, frame, 1000), 999) << "frame included";
    EXPECT_EQ(FittingSquareSide({0, 0, 900, 2000}, {}, 1000), 900) << "narrow and tall";
    EXPECT_EQ(FittingSquareSide({0, 0, 10, 10}, {8, 8, 8, 8}, 1000), 1) << "no room at all";
    // Other shapes keep theirs, rounded as Win32's MulDiv rounds.
    const Size wide = FittedSize({0, 0, 1366, 768}, frame, {1600, 900});
    EXPECT_EQ(std::make_pair(wide.width, wide.height), std::make_pair(1321, 743));
    // The work area spans both monitors of the screen above, less a panel along its bottom.
    const Rect workArea{0, 0, 3200, 1160};
    EXPECT_EQ(Text(Intersection(workArea, {1920, 0, 1280, 720})), "1280x720+1920+0");
    EXPECT_EQ(Text(Intersection(workArea, {0, 0, 1920, 1200})), "1920x1160+0+0");
    EXPECT_EQ(Text(Intersection({0, 0, 10, 10}, {20, 20, 5, 5})), "0x0+20+20") << "apart";
}

}  // namespace

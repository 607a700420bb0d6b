// X11's Xft.dpi resource read as the screen's dpi, and the menu font's size from it.
#include <gtest/gtest.h>

#include "platform/x11/x11_menu_drawing.h"

namespace {

TEST(MenuPlacement, FontSizeFollowsXftDpiWithAReadableDefault) {
    EXPECT_NEAR(MenuFontPixels(nullptr), 14.67, 0.01) << "11 points at 96 dpi";
    EXPECT_NEAR(MenuFontPixels("192"), 29.33, 0.01);
    EXPECT_NEAR(MenuFontPixels("120.5"), 18.41, 0.01);
    for (const char* unusable : {"", "dpi", "0", "-96", "nan", "inf"})
        EXPECT_NEAR(MenuFontPixels(unusable), 14.67, 0.01) << unusable;
}

}  // namespace

// The display check: which resolutions count as the large-fonts setting.
#include <gtest/gtest.h>

#include "display_check.h"

namespace plumaro {
namespace {

TEST(DisplayCheck, TwipsPerPixelRoundsHalvesToEven) {
    EXPECT_EQ(twipsPerPixel(96), 15);
    EXPECT_EQ(twipsPerPixel(120), 12);
    EXPECT_EQ(twipsPerPixel(144), 10);
    EXPECT_EQ(twipsPerPixel(192), 8); // 7.5
    EXPECT_EQ(twipsPerPixel(64), 22); // 22.5
    EXPECT_EQ(twipsPerPixel(320), 4); // 4.5
    EXPECT_EQ(twipsPerPixel(960), 2); // 1.5
}

TEST(DisplayCheck, OnlyResolutionsThatRoundToTwelveAreLargeFonts) {
    for (int dpi = 116; dpi <= 125; ++dpi)
        EXPECT_TRUE(isLargeFontsSetting(dpi)) << dpi;
    for (int dpi : {72, 96, 115, 126, 144, 192})
        EXPECT_FALSE(isLargeFontsSetting(dpi)) << dpi;
}

TEST(DisplayCheck, ANonsenseResolutionIsNotLargeFonts) {
    EXPECT_FALSE(isLargeFontsSetting(0));
    EXPECT_FALSE(isLargeFontsSetting(-120));
}

} // namespace
} // namespace plumaro

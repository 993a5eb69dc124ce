#include "ProgressColors.h"
#include "SystemColors.h"

#include <gtest/gtest.h>

TEST(ProgressColors, LightenColorMovesEachChannelTowardsWhite)
{
    EXPECT_EQ(LightenColor(0x808000, 150), 0xCACA96u);
    EXPECT_EQ(LightenColor(0x123456, 0), 0x123456u);
    EXPECT_EQ(LightenColor(0x123456, 255), 0xFFFFFFu);
    EXPECT_EQ(LightenColor(0x000000, 80), 0x505050u);
}

TEST(ProgressColors, MixColorsWeighsAndRoundsHalfToEven)
{
    EXPECT_EQ(MixColors(0x808000, 0x000000, 200), 0x646400u);
    EXPECT_EQ(MixColors(0xC0C0C0, 0x000000, 255), 0xC0C0C0u);
    EXPECT_EQ(MixColors(0x123456, 0xABCDEF, 0), 0xABCDEFu);
    EXPECT_EQ(MixColors(0x0000FF, 0x000000, 127) & 0xFF, 127u);
    EXPECT_EQ(MixColors(0x000002, 0x000001, 128) & 0xFF, 2u); // 1.502 rounds up
    SystemColors::SetOverride(COLOR_HIGHLIGHT, 0x0000FF);
    EXPECT_EQ(MixColors(0x8000000D, 0x000000, 255), 0x0000FFu);
    SystemColors::ClearOverrides();
}

#include "PictureTransfer.h"

#include <gtest/gtest.h>

#include <array>

using namespace button;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kRed = 0xFFFF0000u;
constexpr std::uint32_t kBlue = 0xFF0000FFu;
constexpr std::uint32_t kLightGrey = 0xFFC8C8C8u;
constexpr std::uint32_t kBackground = 0xFF102030u;

std::array<std::uint32_t, 4> Transfer(const TransferMode& mode)
{
    const std::array<std::uint32_t, 4> picture{kWhite, kRed, kBlue, kLightGrey};
    std::array<std::uint32_t, 4> background;
    background.fill(kBackground);
    TransferRow(background.data(), picture.data(), 4, mode);
    return background;
}

} // namespace

TEST(PictureTransfer, MaskColourIsLeftOutOnlyWhenAsked)
{
    TransferMode mode;
    mode.mask = 0xFFFFFF;
    EXPECT_EQ(Transfer(mode), (std::array{kBackground, kRed, kBlue, kLightGrey}));
    mode.useMask = false;
    EXPECT_EQ(Transfer(mode), (std::array{kWhite, kRed, kBlue, kLightGrey}));
}

TEST(PictureTransfer, SilhouetteAndDarkOnly)
{
    TransferMode mode;
    mode.mask = 0xFFFFFF;
    mode.colour = 0x00FF00; // green as a colour value
    EXPECT_EQ(Transfer(mode), (std::array{kBackground, 0xFF00FF00u, 0xFF00FF00u, 0xFF00FF00u}));
    mode.darkOnly = true; // light grey sums 600 > 384 and stays
    EXPECT_EQ(Transfer(mode), (std::array{kBackground, 0xFF00FF00u, 0xFF00FF00u, kBackground}));
}

TEST(PictureTransfer, GreyWinsOverBlend)
{
    TransferMode mode;
    mode.mask = 0xFFFFFF;
    mode.grey = true;
    mode.blend = true;
    EXPECT_EQ(Transfer(mode), (std::array{kBackground, 0xFF4C4C4Cu, 0xFF1C1C1Cu, 0xFFC8C8C8u}));
}

TEST(PictureTransfer, BlendIsTwoThirdsPicture)
{
    TransferMode mode;
    mode.mask = 0xFFFFFF;
    mode.blend = true;
    // red: (2*255 + 0x10) / 3 = 175, (0 + 0x20) / 3 = 10, (0 + 0x30) / 3 = 16
    EXPECT_EQ(Transfer(mode)[1], 0xFFAF0A10u);
}

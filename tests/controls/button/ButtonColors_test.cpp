#include "ButtonColors.h"
#include "ButtonPalette.h"

#include <gtest/gtest.h>

using namespace button;

TEST(ButtonShift, LiftsTheXpFaceToWhiteAndShadesTheGradientRows)
{
    const Colour face = 0xD8E9EC;
    const Colour lifted = Shift(face, 48, true, false);
    EXPECT_EQ(lifted, 0xFFFFFFu);
    EXPECT_EQ(Shift(lifted, -1, true, false), Rgb(254, 254, 254));
    EXPECT_EQ(Shift(lifted, -10, true, false), Rgb(245, 245, 242));
    EXPECT_EQ(Shift(lifted, -25, true, false), Rgb(230, 230, 222));
}

TEST(ButtonShift, DisabledLookThreeColours)
{
    const Colour lifted = 0xFFFFFF;
    EXPECT_EQ(Shift(lifted, -24, true, false), Rgb(231, 231, 224));
    EXPECT_EQ(Shift(lifted, -84, true, false), Rgb(171, 171, 144));
    EXPECT_EQ(Shift(lifted, -72, true, false), Rgb(183, 183, 160));
}

TEST(ButtonShift, ClampsOnlyTowardTheDirectionOfTheAmountAndSoftHalves)
{
    struct Case {
        Colour in;
        int amount;
        bool blue;
        bool soft;
        Colour out;
    } cases[] = {
        {Rgb(250, 10, 128), 20, false, false, Rgb(255, 30, 148)},
        {Rgb(250, 10, 128), -20, false, false, Rgb(230, 0, 108)},
        {Rgb(100, 100, 100), -25, false, true, Rgb(88, 88, 88)},  // -25 halves to -12
        {Rgb(100, 100, 100), 25, false, true, Rgb(112, 112, 112)},
        {Rgb(0, 0, 100), -50, true, false, Rgb(0, 0, 74)},        // 100 * -50 / 192 = -26
        {Rgb(0, 0, 191), -1, true, false, Rgb(0, 0, 191)},        // -191 / 192 truncates to 0
    };
    for (const Case& c : cases)
        EXPECT_EQ(Shift(c.in, c.amount, c.blue, c.soft), c.out) << c.amount;
}

TEST(ButtonTint, MovesTowardWhite)
{
    EXPECT_EQ(Tint(0x000000, 176), Rgb(176, 176, 176));
    EXPECT_EQ(Tint(0xFFFFFF, 176), 0xFFFFFFu);
    // (255 - 128) * 100 / 255 = 49 (truncated) + 128
    EXPECT_EQ(Tint(Rgb(100, 0, 255), 128), Rgb(177, 128, 255));
}

TEST(ButtonGrey, WeightsChannelsAndRoundsHalfToEven)
{
    EXPECT_EQ(GreyLevel(255, 0, 0), 76);
    EXPECT_EQ(GreyLevel(0, 0, 255), 28);
    EXPECT_EQ(GreyLevel(0, 255, 0), 150);
    // round(76.5) = 76, then 76 + 150.45 + 28.05 = 254.5 rounds to 254.
    EXPECT_EQ(GreyLevel(255, 255, 255), 254);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
}

namespace {

PaletteInputs Inputs(int scheme)
{
    PaletteInputs in;
    in.scheme = scheme;
    in.buttonType = 3;
    in.back = Rgb(100, 120, 140);
    in.fore = Rgb(1, 2, 3);
    in.foreOver = Rgb(4, 5, 6);
    in.mask = 0xFFFFFF;
    in.parentBack = Rgb(200, 200, 200);
    in.parentText = Rgb(7, 8, 9);
    in.system = {0xD8E9EC, 0x99A8AC, 0xE2EFF1, 0x646F71, 0xFFFFFF, 0x000000, 0xC56A31};
    return in;
}

} // namespace

TEST(ButtonPalette, SystemSchemeIgnoresThePropertyColours)
{
    for (int scheme : {1, 0, 5}) {
        PaletteInputs in = Inputs(scheme);
        const Palette a = DerivePalette(in);
        in.back = Rgb(1, 1, 1);
        in.fore = Rgb(9, 9, 9);
        const Palette b = DerivePalette(in);
        EXPECT_EQ(a.face, 0xD8E9ECu);
        EXPECT_EQ(b.face, 0xD8E9ECu);
        EXPECT_EQ(b.text, 0u);
        EXPECT_EQ(a.hoverFill, Tint(0xC56A31, 176));
        EXPECT_EQ(a.liftedFace, 0xFFFFFFu);
        EXPECT_EQ(a.mask, 0xFFFFFFu);
    }
}

TEST(ButtonPalette, CustomClassicAndContainerSchemes)
{
    const Palette custom = DerivePalette(Inputs(2));
    EXPECT_EQ(custom.face, Rgb(100, 120, 140));
    EXPECT_EQ(custom.shadow, Rgb(36, 56, 76));
    EXPECT_EQ(custom.light, Rgb(131, 151, 171));
    EXPECT_EQ(custom.highlight, Rgb(147, 167, 187));
    EXPECT_EQ(custom.darkShadow, Rgb(0, 0, 0));
    EXPECT_EQ(custom.accent, Rgb(0, 0, 12));
    EXPECT_EQ(custom.hoverFill, custom.face);
    EXPECT_EQ(custom.text, Rgb(1, 2, 3));
    EXPECT_EQ(custom.textOver, Rgb(4, 5, 6));

    const Palette classic = DerivePalette(Inputs(3));
    EXPECT_EQ(classic.face, 0xC0C0C0u);
    EXPECT_EQ(classic.accent, 0x800000u);
    EXPECT_EQ(classic.hoverFill, 0xD1ADADu);

    const Palette container = DerivePalette(Inputs(4));
    EXPECT_EQ(container.face, Rgb(200, 200, 200));
    EXPECT_EQ(container.text, Rgb(7, 8, 9));
    EXPECT_EQ(container.accent, 0xC56A31u);
}

TEST(ButtonPalette, LiftedFaceIsBlueScaledForLookThreeOnly)
{
    PaletteInputs in = Inputs(2);
    in.back = Rgb(100, 100, 100);
    in.buttonType = 3;
    EXPECT_EQ(DerivePalette(in).liftedFace, Rgb(148, 148, 125));
    in.buttonType = 2;
    EXPECT_EQ(DerivePalette(in).liftedFace, Rgb(148, 148, 148));
}

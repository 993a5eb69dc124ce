#include "ColorValue.h"
#include "SystemColors.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

class ColorValueTest : public ::testing::Test {
protected:
    void TearDown() override { SystemColors::ClearOverrides(); }
};

TEST_F(ColorValueTest, PlainColoursPassThrough)
{
    EXPECT_EQ(TranslateColor(0x808000), 0x808000u);
    EXPECT_EQ(TranslateColor(0), 0u);
    EXPECT_EQ(RGBColor(1, 2, 3), 0x030201u);
    EXPECT_EQ(GetRValue(0x030201), 1);
    EXPECT_EQ(GetBValue(0x030201), 3);
    EXPECT_EQ(ToRgb32(0x030201), qRgb(1, 2, 3));
    EXPECT_EQ(FromRgb32(qRgb(1, 2, 3)), 0x030201u);
}

TEST_F(ColorValueTest, SystemColoursComeFromThePaletteOrTheOverride)
{
    QPalette pal = QApplication::palette();
    const QPalette saved = pal;
    pal.setColor(QPalette::Active, QPalette::Highlight, QColor(10, 36, 106));
    pal.setColor(QPalette::Active, QPalette::Button, QColor(212, 208, 200));
    pal.setColor(QPalette::Active, QPalette::Dark, QColor(128, 128, 128));
    pal.setColor(QPalette::Active, QPalette::Shadow, QColor(64, 64, 64));
    QApplication::setPalette(pal);
    EXPECT_EQ(TranslateColor(0x8000000D), RGBColor(10, 36, 106));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGBColor(212, 208, 200));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGBColor(128, 128, 128));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGBColor(64, 64, 64));
    SystemColors::SetOverride(COLOR_BTNFACE, 0xD8E9EC);
    EXPECT_EQ(TranslateColor(0x8000000F), 0xD8E9ECu);
    QApplication::setPalette(saved);
}

TEST_F(ColorValueTest, UnknownSystemIndexIsBlack)
{
    EXPECT_EQ(TranslateColor(0x80000040), 0u);
    EXPECT_EQ(GetSysColor(-1), 0u);
    SystemColors::SetOverride(COLOR_MENUBAR, 0x123456); // 30, the last index there is
    EXPECT_EQ(TranslateColor(0x8000001E), 0x123456u);
    EXPECT_FALSE(SystemColors::IsValidIndex(31));
}

TEST_F(ColorValueTest, XpSchemeForTestsPinsTheFace)
{
    SystemColors::UseXpSchemeForTests();
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), 0xD8E9ECu);
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), 0xFFFFFFu);
}

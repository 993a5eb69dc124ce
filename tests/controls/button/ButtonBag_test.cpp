// Stored settings: keys, order, types and defaults.
#include "ButtonTestSupport.h"

#include "FormData.h"

using namespace buttontest;

class ButtonBag : public XpColours {};

TEST_F(ButtonBag, EmptyBagGivesTheDefaults)
{
    chameleonButton b;
    b.SetCaption(QStringLiteral("old"));
    b.ReadProperties(PropertyBag{});
    EXPECT_EQ(b.ButtonType(), 2);
    EXPECT_EQ(b.ColorScheme(), 1);
    EXPECT_EQ(b.Caption(), QString());
    EXPECT_TRUE(b.Enabled());
    EXPECT_TRUE(b.ShowFocusRect());
    EXPECT_TRUE(b.UseMaskColor());
    EXPECT_EQ(b.BackColor(), 0x8000000Fu);
    EXPECT_EQ(b.BackOver(), 0x8000000Fu);
    EXPECT_EQ(b.ForeColor(), 0x80000012u);
    EXPECT_EQ(b.MaskColor(), 0xC0C0C0u);
    EXPECT_EQ(b.MousePointer(), 1); // the HandPointer rule decides
    EXPECT_EQ(b.PicturePosition(), 0);
    EXPECT_FALSE(b.PictureNormal());
    EXPECT_EQ(b.Version(), QStringLiteral("2.0.6"));
}

TEST_F(ButtonBag, HoverColoursDefaultToTheColoursJustRead)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("bcol"), int32_t{0x123456});
    bag.WriteProperty(QStringLiteral("FCOL"), int32_t{0x654321});
    chameleonButton b;
    b.ReadProperties(bag);
    EXPECT_EQ(b.BackOver(), 0x123456u);
    EXPECT_EQ(b.ForeOver(), 0x654321u);
}

TEST_F(ButtonBag, WritesEveryKeyInOrderAndReadsThemBack)
{
    chameleonButton a;
    a.SetButtonType(3);
    a.SetCaption(QStringLiteral("&Start"));
    a.SetColorScheme(2);
    a.SetBackColor(0xD8E9EC);
    a.SetBackOver(0x00FF00);
    a.SetForeColor(0x000080);
    a.SetMaskColor(0xFFFFFF);
    a.SetFont(FontObject(QStringLiteral("MS Sans Serif"), 9.75));
    a.SetSoftBevel(true);
    a.SetPicturePosition(2);
    a.SetSpecialEffect(3);
    a.SetCheckBoxBehaviour(true);
    a.SetValue(true);
    a.SetEnabled(false);
    a.SetPictureNormal(Picture::FromBitmap(QImage(16, 16, QImage::Format_RGB32)));
    PropertyBag bag;
    a.WriteProperties(bag);
    const std::vector<QString> expected{"btype", "tx", "enab", "font", "coltype", "focusr", "bcol",
                                        "bcolo", "fcol", "fcolo", "mcol", "mptr", "micon", "picn",
                                        "umcol", "soft", "picpos", "ngrey", "fx", "hand", "check",
                                        "value"};
    EXPECT_EQ(bag.Keys(), expected);
    EXPECT_TRUE(std::holds_alternative<int32_t>(bag.ReadProperty(QStringLiteral("BCOL"))));
    EXPECT_TRUE(std::holds_alternative<bool>(bag.ReadProperty(QStringLiteral("ENAB"))));
    EXPECT_TRUE(std::holds_alternative<QString>(bag.ReadProperty(QStringLiteral("TX"))));

    chameleonButton b;
    b.ReadProperties(bag);
    EXPECT_EQ(b.ButtonType(), 3);
    EXPECT_EQ(b.Caption(), QStringLiteral("&Start"));
    EXPECT_EQ(b.AccessKey(), QLatin1Char('s'));
    EXPECT_EQ(b.ColorScheme(), 2);
    EXPECT_EQ(b.BackOver(), 0x00FF00u);
    EXPECT_EQ(b.ForeColor(), 0x000080u);
    EXPECT_EQ(b.MaskColor(), 0xFFFFFFu);
    EXPECT_EQ(b.FontSize(), 10);
    EXPECT_TRUE(b.SoftBevel());
    EXPECT_EQ(b.PicturePosition(), 2);
    EXPECT_EQ(b.SpecialEffect(), 3);
    EXPECT_TRUE(b.CheckBoxBehaviour());
    EXPECT_TRUE(b.Value());
    EXPECT_FALSE(b.Enabled());
    EXPECT_FALSE(b.isEnabled());
    EXPECT_EQ(b.PictureWidthPixels(), 16);
}

TEST_F(ButtonBag, HandPointerFalseOverridesTheStoredPointer)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("MPTR"), int32_t{11});
    chameleonButton b;
    b.ReadProperties(bag);
    EXPECT_EQ(b.MousePointer(), 1);
    bag.WriteProperty(QStringLiteral("HAND"), true);
    b.ReadProperties(bag);
    EXPECT_EQ(b.MousePointer(), 99);
    EXPECT_EQ(b.cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(ButtonBag, SettersTellTheContainerTheirKey)
{
    chameleonButton b;
    QStringList keys;
    QObject::connect(&b, &chameleonButton::PropertyChanged, [&](const QString& k) { keys << k; });
    b.SetCaption(QStringLiteral("x"));
    b.SetPictureOver(nullptr);
    b.SetFontBold(true); // a shortcut into FONT marks nothing
    b.SetValue(true);
    EXPECT_EQ(keys, (QStringList{"TX", "PICO", "VALUE"}));
}

TEST_F(ButtonBag, DesignModeCarriesColoursOverToTheHoverColours)
{
    chameleonButton b;
    b.SetUserMode(false);
    b.SetBackColor(0x112233);
    b.SetForeColor(0x445566);
    EXPECT_EQ(b.BackOver(), 0x112233u);
    EXPECT_EQ(b.ForeOver(), 0x445566u);
    b.SetButtonType(5);
    EXPECT_TRUE(b.FontBold());
    b.SetUserMode(true);
    b.SetBackColor(0x000001);
    EXPECT_EQ(b.BackOver(), 0x112233u);
}

// The six buttons as the windows store them.
#include "ButtonTestSupport.h"

#include "FormData.h"

using namespace buttontest;

TEST(ButtonForms, StoredButtonsLoadWithTheirPictures)
{
    struct Case {
        const char* form;
        const char* name;
        const char* caption;
        int pictureSize; // 0: none
        double fontSize;
    } cases[] = {
        {":/forms/Form1.frm", "chameleonButton1", "Start", 36, 9.75},
        {":/forms/Form1.frm", "chameleonButton3", "Output", 32, 9.75},
        {":/forms/Form1.frm", "chameleonButton5", "Browse...", 16, 9.75},
        {":/forms/Form1.frm", "chameleonButton2", "Clear", 0, 9.75},
        {":/forms/Form2.frm", "chameleonButton2", "Cancel", 0, 8.25},
        {":/forms/Form2.frm", "chameleonButton1", "OK", 0, 8.25},
    };
    for (const Case& c : cases) {
        FormData form;
        const FormData::LoadReport loaded = form.Load(QString::fromLatin1(c.form));
        ASSERT_TRUE(loaded.ok) << loaded.error.toStdString();
        ASSERT_TRUE(form.HasControl(QString::fromLatin1(c.name))) << c.name;
        chameleonButton b;
        b.ReadProperties(form.Control(QString::fromLatin1(c.name)));
        EXPECT_EQ(b.ButtonType(), 3) << c.caption;
        EXPECT_EQ(b.ColorScheme(), 1);
        EXPECT_EQ(b.Caption(), QString::fromLatin1(c.caption));
        EXPECT_EQ(b.BackColor(), 0xD8E9ECu);
        EXPECT_EQ(b.ForeColor(), 0u);
        EXPECT_EQ(b.MousePointer(), 1);
        EXPECT_DOUBLE_EQ(b.Font().Size(), c.fontSize);
        EXPECT_EQ(b.Font().Weight(), 400);
        EXPECT_FALSE(b.PictureOver());
        EXPECT_EQ(b.PictureWidthPixels(), c.pictureSize) << c.caption;
        EXPECT_EQ(b.PictureHeightPixels(), c.pictureSize);
        EXPECT_EQ(b.MaskColor(), c.pictureSize ? 0xFFFFFFu : 0xC0C0C0u);
    }
}

class ButtonFormsDrawn : public XpColours {};

TEST_F(ButtonFormsDrawn, StartShowsItsPictureLeftOfTheCaptionThroughTheMask)
{
    FormData form;
    ASSERT_TRUE(form.Load(QStringLiteral(":/forms/Form1.frm")).ok);
    chameleonButton b;
    b.ReadProperties(form.Control(QStringLiteral("chameleonButton1")));
    b.resize(177, 49);
    b.show();
    const button::Layout& l = b.CurrentLayout();
    EXPECT_EQ(l.px + 36 + 4, l.caption.left);
    EXPECT_EQ(l.py, (49 - 36) / 2);
    const QImage& img = b.Surface();
    // The picture's white ground is the mask colour: the gradient shows there.
    EXPECT_EQ(PixelAt(img, l.px, l.py + 5), PixelAt(img, l.px - 3, l.py + 5));
    // Inside the disc the picture's own green.
    const ColorRef centre = PixelAt(img, l.px + 6, l.py + 18);
    EXPECT_GT(GetGValue(centre), GetRValue(centre) + 40);
}

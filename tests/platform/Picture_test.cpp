#include "FontObject.h"
#include "Picture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Picture, HimetricFollowsMulDivRounding)
{
    const std::pair<int, int> cases[] = {{16, 423}, {32, 847}, {48, 1270}, {100, 2646}, {177, 4683}, {17, 450}};
    for (auto [px, him] : cases) {
        EXPECT_EQ(PixelsToHimetric(px), him) << px;
        EXPECT_EQ(HimetricToPixels(him), px) << him;
    }
    EXPECT_EQ(MulDiv(-5, 1, 2), -3); // halves away from zero
    EXPECT_EQ(MulDiv(5, 1, 0), 0);
}

TEST(Picture, LoadTellsIconsFromBitmaps)
{
    QTemporaryDir dir;
    QImage img(3, 2, QImage::Format_ARGB32);
    img.fill(qRgba(255, 0, 0, 128));
    ASSERT_TRUE(img.save(dir.filePath(QStringLiteral("p.png"))));
    ASSERT_TRUE(img.save(dir.filePath(QStringLiteral("p.ico"))));
    auto bmp = Picture::Load(dir.filePath(QStringLiteral("p.png")));
    ASSERT_TRUE(bmp);
    EXPECT_TRUE(bmp->IsBitmap());
    EXPECT_EQ(bmp->Image().format(), QImage::Format_RGB32);
    EXPECT_EQ(bmp->Width(), PixelsToHimetric(3));
    auto ico = Picture::Load(dir.filePath(QStringLiteral("p.ico")));
    if (ico) { // the ico image plugin is optional
        EXPECT_EQ(ico->GetType(), Picture::Type::Icon);
    }
    EXPECT_EQ(Picture::Load(dir.filePath(QStringLiteral("none.png"))), nullptr);
}

TEST(FontObject, PointsBecomePixelsAt96Dpi)
{
    const FontObject f = FontObject::Default();
    EXPECT_EQ(f.Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(f.PixelSize(), 11);
    EXPECT_EQ(FontObject(QStringLiteral("Tahoma"), 9.75).PixelSize(), 13);
    FontObject bold(QStringLiteral("Tahoma"), 8, true, true, true);
    const QFont q = bold.ToQFont();
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.italic());
    EXPECT_TRUE(q.underline());
    EXPECT_EQ(q.pixelSize(), 11);
}

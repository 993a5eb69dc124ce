// In a right-to-left layout the picture goes to the caption's other side, as
// Qt's own buttons put their icons there; the caption's glyphs are not turned.
#include "ButtonTestSupport.h"

using namespace buttontest;

namespace {

class ButtonDirection : public XpColours {};

} // namespace

TEST_F(ButtonDirection, ThePictureChangesSidesWithTheLayoutDirection)
{
    struct Case {
        Qt::LayoutDirection direction;
        int position;  // as stored
        bool pictureLeft;
    };
    const Case cases[] = {
        {Qt::LeftToRight, 0, true},
        {Qt::RightToLeft, 0, false},
        {Qt::LeftToRight, 1, false},
        {Qt::RightToLeft, 1, true},
    };
    for (const Case& c : cases) {
        auto b = ShownButton(3, 81, 25, QStringLiteral("Browse..."));
        b->SetPictureNormal(Picture::Load(QStringLiteral(":/pictures/browse.png")));
        b->SetPicturePosition(c.position);
        b->setLayoutDirection(c.direction);
        const button::Layout& l = b->CurrentLayout();
        if (c.pictureLeft)
            EXPECT_LE(l.px + 16, l.caption.left) << c.position;
        else
            EXPECT_GE(l.px, l.caption.right) << c.position;
        // Both stay inside the frame (3 pixels) either way.
        EXPECT_GE(std::min(l.px, l.caption.left), 3) << c.position;
        EXPECT_LE(std::max(l.px + 16, l.caption.right), 81 - 3) << c.position;
        // The drawing follows: the folder's yellow lies on the picture's side.
        const QImage& drawn = b->Surface();
        int yellowLeft = 0, yellowRight = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (qRed(drawn.pixel(x, y)) > 200 && qBlue(drawn.pixel(x, y)) < 120)
                    ++(x < 40 ? yellowLeft : yellowRight);
        EXPECT_EQ(yellowLeft > 0, c.pictureLeft) << c.position;
        EXPECT_EQ(yellowRight > 0, !c.pictureLeft) << c.position;
    }
}

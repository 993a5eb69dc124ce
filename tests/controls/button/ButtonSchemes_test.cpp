// Colour schemes, the transparent style and palette changes on a shown control.
#include "ButtonTestSupport.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

using namespace button;
using namespace buttontest;

class ButtonSchemes : public XpColours {};

TEST_F(ButtonSchemes, SystemSchemeIgnoresBackColor)
{
    auto a = ShownButton(2, 80, 30);
    auto b = ShownButton(2, 80, 30);
    b->SetBackColor(0x0000FF);
    b->SetForeColor(0x00FF00);
    EXPECT_EQ(a->Surface(), b->Surface());
    EXPECT_EQ(PixelAt(b->Surface(), 40, 15), 0xD8E9ECu);
}

TEST_F(ButtonSchemes, CustomSchemeHoversInBackOverAndKeepsBackColor)
{
    QWidget window;
    window.resize(200, 100);
    auto* b = new chameleonButton(&window);
    b->setGeometry(50, 30, 80, 30);
    b->SetButtonType(2);
    b->SetColorScheme(2);
    b->SetBackColor(0x0000C0);
    b->SetBackOver(0x00C000);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(PixelAt(b->Surface(), 40, 15), 0x0000C0u);
    QTest::mouseMove(window.windowHandle(), QPoint(90, 45));
    ASSERT_TRUE(b->IsHovered());
    EXPECT_EQ(PixelAt(b->Surface(), 40, 15), 0x00C000u);
    EXPECT_EQ(PixelAt(b->Surface(), 0, 15), Rgb(47, 239, 47)); // highlight: BackOver moved by +47
    EXPECT_EQ(b->BackColor(), 0x0000C0u);
    EXPECT_EQ(b->CurrentPalette().face, 0x0000C0u);
    QTest::mouseMove(window.windowHandle(), QPoint(5, 5));
    EXPECT_FALSE(b->IsHovered());
    EXPECT_EQ(PixelAt(b->Surface(), 40, 15), 0x0000C0u);
}

namespace {

// A parent whose own painting differs under the button and elsewhere.
class StripedParent : public QWidget {
public:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(200, 200, 200));
        p.fillRect(QRect(40, 20, 100, 40), QColor(255, 0, 255));
        p.fillRect(QRect(40, 20, 10, 40), QColor(0, 128, 255));
    }
};

} // namespace

TEST_F(ButtonSchemes, TransparentStyleShowsTheParentsPixels)
{
    StripedParent parent;
    parent.resize(200, 100);
    auto* b = new chameleonButton(&parent);
    b->setGeometry(40, 20, 100, 40);
    b->SetButtonType(11);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    EXPECT_EQ(PixelAt(b->Surface(), 5, 20), RGBColor(0, 128, 255));
    EXPECT_EQ(PixelAt(b->Surface(), 50, 10), RGBColor(255, 0, 255));
}

TEST_F(ButtonSchemes, DesktopPaletteChangeRederivesTheColours)
{
    SystemColors::ClearOverrides();
    const QPalette original = QApplication::palette();
    auto b = ShownButton(2, 80, 30);
    QPalette changed = original;
    changed.setColor(QPalette::Button, QColor(10, 20, 30));
    QApplication::setPalette(changed);
    QApplication::processEvents();
    EXPECT_EQ(PixelAt(b->Surface(), 40, 15), RGBColor(10, 20, 30));
    QApplication::setPalette(original);
}

TEST_F(ButtonSchemes, ForcedAndUnforcedRedraws)
{
    auto b = ShownButton(3, 80, 30);
    const int drawnState = b->LastDrawnState();
    QImage before = b->Surface();
    b->DisableRefresh();
    b->SetCaption(QStringLiteral("Changed"));
    EXPECT_EQ(b->Surface(), before); // nothing drawn while refresh is disabled
    b->Refresh();
    EXPECT_NE(b->Surface(), before);
    EXPECT_EQ(b->LastDrawnState(), drawnState);
}

TEST_F(ButtonSchemes, RegionAndFocusRectangleFollowTheStyle)
{
    auto b = ShownButton(3, 80, 30);
    EXPECT_FALSE(b->mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(b->mask().contains(QPoint(1, 0)));
    EXPECT_TRUE(b->mask().contains(QPoint(2, 0)));
    EXPECT_EQ(b->FocusRect(), (Rect{4, 4, 76, 26}));
    b->SetButtonType(14);
    EXPECT_TRUE(b->mask().contains(QPoint(1, 0)));
    EXPECT_EQ(b->FocusRect(), (Rect{6, 6, 76, 26}));
    b->SetButtonType(9);
    EXPECT_EQ(b->FocusRect(), (Rect{3, 3, 77, 27}));
    EXPECT_TRUE(b->mask().contains(QPoint(0, 0)));
}

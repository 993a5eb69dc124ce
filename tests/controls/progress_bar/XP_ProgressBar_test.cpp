// The control: value mapping, properties, stored settings, surface, accessibility.
#include "XP_ProgressBar.h"

#include "FormData.h"
#include "SystemColors.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {
class ProgressBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        SystemColors::UseXpSchemeForTests();
        bar = std::make_unique<XP_ProgressBar>();
        bar->resize(177, 17);
    }
    void TearDown() override
    {
        bar.reset();
        SystemColors::ClearOverrides();
    }
    std::unique_ptr<XP_ProgressBar> bar;
};
} // namespace

TEST_F(ProgressBar, StartsSegmentedAtZeroInTheHighlightColour)
{
    EXPECT_EQ(bar->Percent(), 0);
    EXPECT_EQ(bar->Scrolling(), 0);
    EXPECT_EQ(bar->Orientation(), 0);
    EXPECT_EQ(bar->Max(), 100);
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_FALSE(bar->ShowText());
    EXPECT_EQ(bar->Color(), 0xC56A31u);
    EXPECT_EQ(bar->Image(), nullptr);
    ASSERT_TRUE(bar->Font());
    EXPECT_EQ(bar->Font()->Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(bar->hwnd(), bar.get());
    bar->DrawProgressBar();
    const QImage shot = bar->Snapshot();
    EXPECT_EQ(FromRgb32(shot.pixel(6, 7)), 0xC56A31u);
    EXPECT_EQ(FromRgb32(shot.pixel(10, 7)), 0xFFFFFFu);
}

TEST_F(ProgressBar, ValueMapsToAPercentageHalfToEven)
{
    struct Case {
        int32_t max, value, percent, readBack;
    };
    const Case cases[] = {
        {100, 37, 37, 37}, {3, 1, 33, 1}, {8, 1, 12, 1}, {8, 3, 38, 3},
        {100, 250, 100, 100}, {100, -5, -5, -5}, {200, 1, 0, 0},
    };
    for (const Case& c : cases) {
        bar->SetMax(c.max);
        ProgressStatus status = ProgressStatus::Overflow;
        EXPECT_TRUE(bar->SetValue(c.value, &status)) << c.value << "/" << c.max;
        EXPECT_EQ(status, ProgressStatus::Ok);
        EXPECT_EQ(bar->Percent(), c.percent) << c.value << "/" << c.max;
        EXPECT_EQ(bar->Value(), c.readBack) << c.value << "/" << c.max;
    }
}

TEST_F(ProgressBar, FailedMappingKeepsThePercentage)
{
    bar->SetValue(40);
    ProgressStatus status = ProgressStatus::Ok;
    EXPECT_FALSE(bar->SetValue(21474837, &status)); // times 100 does not fit 32 bits
    EXPECT_EQ(status, ProgressStatus::Overflow);
    EXPECT_EQ(bar->Percent(), 40);
    EXPECT_TRUE(bar->SetValue(21474836)); // the largest that fits, clamped at the redraw
    EXPECT_EQ(bar->Percent(), 100);
    bar->SetValue(40);
    bar->SetMax(0);
    EXPECT_FALSE(bar->SetValue(10, &status));
    EXPECT_EQ(status, ProgressStatus::DivisionByZero);
    EXPECT_EQ(bar->Percent(), 40);
}

TEST_F(ProgressBar, NonZeroMinShiftsTheScale)
{
    bar->SetMin(50);
    bar->SetMax(150);
    bar->SetValue(75);
    EXPECT_EQ(bar->Percent(), 25);
    EXPECT_EQ(bar->Value(), 75);
}

TEST_F(ProgressBar, ColourIsResolvedWhenSet)
{
    bar->SetColor(0x80000010); // button shadow
    EXPECT_EQ(bar->Color(), 0x99A8ACu);
    PropertyBag bag;
    bar->WriteProperties(bag);
    EXPECT_EQ(bag.ReadInt(QStringLiteral("Color"), 0), 0x99A8AC);
}

TEST_F(ProgressBar, NotifiesTheHostOfStoredPropertiesOnly)
{
    QSignalSpy spy(bar.get(), &XP_ProgressBar::PropertyChanged);
    bar->SetValue(5);
    bar->SetColor(0x00FF00);
    EXPECT_EQ(spy.count(), 0);
    bar->SetMax(90);
    bar->SetMin(1);
    bar->SetScrolling(3);
    bar->SetOrientation(1);
    bar->SetShowText(true);
    bar->SetBrushStyle(2);
    bar->SetImage(nullptr);
    QStringList names;
    for (const auto& args : spy)
        names << args.at(0).toString();
    EXPECT_EQ(names, (QStringList{"Max", "Min", "Scrolling", "Orientation", "ShowText", "BrushStyle", "Image"}));
}

TEST_F(ProgressBar, SavesInOrderWithoutDefaults)
{
    PropertyBag fresh;
    bar->WriteProperties(fresh);
    // A new bar has BrushStyle 0 (default 4) and a resolved colour (default the system value).
    EXPECT_EQ(fresh.Keys(), (std::vector<QString>{"font", "brushstyle", "color"}));

    bar->SetMax(100);
    bar->SetValue(40);
    bar->SetScrolling(7);
    bar->SetShowText(true);
    bar->SetOrientation(1);
    bar->SetBrushStyle(4);
    QImage tile(2, 2, QImage::Format_RGB32);
    tile.fill(Qt::blue);
    bar->SetImage(Picture::FromBitmap(tile));
    PropertyBag bag;
    bar->WriteProperties(bag);
    EXPECT_EQ(bag.Keys(), (std::vector<QString>{"font", "color", "image", "orientation", "scrolling",
                                                "showtext", "value"}));
    EXPECT_EQ(bag.ReadInt(QStringLiteral("Value"), 0), 40);

    XP_ProgressBar loaded;
    loaded.resize(177, 17);
    EXPECT_EQ(loaded.ReadProperties(bag), ProgressStatus::Ok);
    EXPECT_EQ(loaded.Percent(), 40);
    EXPECT_EQ(loaded.Scrolling(), 7);
    EXPECT_TRUE(loaded.ShowText());
    EXPECT_EQ(loaded.Orientation(), 1);
    EXPECT_EQ(loaded.Color(), bar->Color());
    ASSERT_TRUE(loaded.Image());
    EXPECT_EQ(loaded.Image()->Image(), bar->Image()->Image());
    PropertyBag again;
    loaded.WriteProperties(again);
    EXPECT_EQ(again.Keys(), bag.Keys());
}

TEST_F(ProgressBar, LoadingAnEmptyBagGivesTheCrossHatch)
{
    XP_ProgressBar loaded;
    loaded.resize(177, 17);
    loaded.ReadProperties(PropertyBag());
    PropertyBag out;
    loaded.WriteProperties(out);
    EXPECT_FALSE(out.Contains(QStringLiteral("BrushStyle"))); // 4, the default
    EXPECT_EQ(loaded.Color(), 0xC56A31u);
    loaded.SetScrolling(7);
    loaded.SetValue(100);
    const QImage shot = loaded.Snapshot();
    // Cross hatch: a vertical line in column 4 of every cell.
    EXPECT_EQ(FromRgb32(shot.pixel(12, 5)), 0xC56A31u);
}

TEST_F(ProgressBar, LoadsTheMainWindowSettings)
{
    FormData form;
    const QString path = QStringLiteral(VOLARIN_SOURCE_DIR "/resources/forms/Form1.frm");
    const FormData::LoadReport loaded = form.Load(path);
    ASSERT_TRUE(loaded.ok) << loaded.error.toStdString();
    bar->ReadProperties(form.Control(QStringLiteral("XP_ProgressBar1")));
    EXPECT_EQ(bar->Scrolling(), 1);
    EXPECT_EQ(bar->Color(), 0xFFFFFFu);
    EXPECT_EQ(bar->Font()->Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_DOUBLE_EQ(bar->Font()->Size(), 8.25);
    PropertyBag out;
    bar->WriteProperties(out);
    EXPECT_EQ(out.ReadInt(QStringLiteral("BrushStyle"), 4), 0);
    // White on white: only the grey frame shows.
    const QImage shot = bar->Snapshot();
    EXPECT_EQ(FromRgb32(shot.pixel(50, 8)), 0xFFFFFFu);
    EXPECT_EQ(FromRgb32(shot.pixel(50, 0)), 0x686868u);
}

TEST_F(ProgressBar, SurfaceGrowsButNeverShrinks)
{
    QWidget parent;
    auto* child = new XP_ProgressBar(&parent);
    const QSize first = child->SurfaceSize(); // made at the child's initial size
    EXPECT_EQ(first, child->size());
    // A hidden control gets no resize events; its next redraw catches up.
    auto resize = [child](int w, int h) {
        child->resize(w, h);
        child->DrawProgressBar();
    };
    resize(first.width() + 200, first.height() - 5);
    EXPECT_EQ(child->SurfaceSize(), QSize(first.width() + 200, first.height()));
    resize(50, 10);
    EXPECT_EQ(child->SurfaceSize(), QSize(first.width() + 200, first.height()));
    EXPECT_EQ(child->Snapshot().size(), QSize(50, 10));
    resize(50, first.height() + 7);
    EXPECT_EQ(child->SurfaceSize(), QSize(first.width() + 200, first.height() + 7));
    ASSERT_NE(child->hdc(), nullptr);
    child->SetHdc(nullptr);
    EXPECT_EQ(&child->hdc()->Image(), &child->Surface());
    // A shown control prepares its surface on the resize itself.
    parent.show();
    child->resize(first.width() + 300, 5);
    EXPECT_EQ(child->SurfaceSize(), QSize(first.width() + 300, first.height() + 7));
}

TEST_F(ProgressBar, PDrawCopiesABlockOfTheSurface)
{
    QWidget parent;
    auto* small = new XP_ProgressBar(&parent);
    small->resize(177, 17);
    parent.show(); // so that the resize reaches the control at once
    small->SetColor(0x808000);
    small->SetScrolling(3);
    small->SetValue(100);
    const QImage surface = small->Surface();
    ASSERT_EQ(surface.width(), 177);
    QImage target(20, 20, QImage::Format_RGB32);
    target.fill(Qt::black);
    DeviceContext dc(target);
    small->pDraw(dc, 170, 0, 10, 5, 2, 3); // the block runs past the surface's 177 columns
    EXPECT_EQ(target.pixel(2, 3), surface.pixel(170, 0));
    EXPECT_EQ(target.pixel(8, 7), surface.pixel(176, 4));
    EXPECT_EQ(target.pixel(9, 3), qRgb(0, 0, 0));
    EXPECT_EQ(target.pixel(2, 8), qRgb(0, 0, 0));
}

// The public gradient takes the host's variables and hands both colours back
// as drawn: a system colour becomes its plain colour, a plain one stays.
TEST_F(ProgressBar, DrawGradientWritesTheTranslatedColoursBack)
{
    struct Case {
        uint32_t end, start;
        bool bH;
        uint32_t drawnEnd, drawnStart;
    } cases[] = {
        {0x8000000D, 0x0000FF, true, 0xC56A31, 0x0000FF},   // highlight, along x
        {0x00FF00, 0x80000005, false, 0x00FF00, 0xFFFFFF},  // window background, along y
    };
    for (const Case& c : cases) {
        QImage img(4, 4, QImage::Format_RGB32);
        img.fill(Qt::black);
        DeviceContext dc(img);
        uint32_t end = c.end, start = c.start;
        bool bH = c.bH;
        bar->DrawGradient(end, start, 0, 0, 2, 2, dc, bH);
        EXPECT_EQ(end, c.drawnEnd);
        EXPECT_EQ(start, c.drawnStart);
        EXPECT_EQ(bH, c.bH);
        // The first line in the end colour, the third in the start colour.
        EXPECT_EQ(FromRgb32(img.pixel(0, 0)), c.drawnEnd);
        EXPECT_EQ(FromRgb32(c.bH ? img.pixel(2, 1) : img.pixel(1, 2)), c.drawnStart);
    }
}

TEST_F(ProgressBar, PaintsAtTheDevicePixelRatio)
{
    bar->SetScrolling(0);
    bar->SetValue(37);
    const QImage logical = bar->Snapshot();
    QImage screen(354, 34, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2.0);
    screen.fill(Qt::black);
    bar->render(&screen);
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 177; ++x)
            for (int d : {0, 1})
                ASSERT_EQ(screen.pixel(2 * x + d, 2 * y + d), logical.pixel(x, y)) << x << "," << y;
    // A fractional ratio scales smoothly over the whole device area; flat runs stay exact.
    QImage fractional(266, 26, QImage::Format_RGB32);
    fractional.setDevicePixelRatio(1.5);
    fractional.fill(Qt::black);
    bar->render(&fractional);
    EXPECT_EQ(fractional.pixel(195, 12), qRgb(255, 255, 255)); // logical (130, 8), right of the fill
    EXPECT_NE(fractional.pixel(265, 25), qRgb(0, 0, 0));
}

TEST_F(ProgressBar, ReportsItselfAsAProgressBarWithItsValue)
{
    bar->SetValue(37);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(bar.get());
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::ProgressBar);
    QAccessibleValueInterface* value = iface->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 37);
    EXPECT_EQ(value->maximumValue().toInt(), 100);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("37 %"));
}

TEST_F(ProgressBar, RedrawOverflowIsReportedToTheSetter)
{
    bar->SetMax(1);
    bar->SetScrolling(3);
    ProgressStatus status = ProgressStatus::Ok;
    // -21474836 * 100 fits, but the fill end -2147483600 / 100 * 177 does not.
    EXPECT_FALSE(bar->SetValue(-21474836, &status));
    EXPECT_EQ(status, ProgressStatus::Overflow);
    EXPECT_EQ(bar->Percent(), -2147483600);
}

#pragma once
// Shared helpers of the button tests: pinned system colours, a shown button
// and pixel reads as colour values (0x00BBGGRR).
#include "ButtonColors.h"
#include "ButtonLooks.h"
#include "ColorValue.h"
#include "SystemColors.h"
#include "chameleonButton.h"

#include <QImage>
#include <gtest/gtest.h>

#include <memory>

namespace buttontest {

// Every drawing test runs on the XP colours the stored forms were made with
// (button face &HD8E9EC), whatever the desktop says.
class XpColours : public ::testing::Test {
protected:
    void SetUp() override { SystemColors::UseXpSchemeForTests(); }
    void TearDown() override { SystemColors::ClearOverrides(); }
};

inline ColorRef PixelAt(const QImage& image, int x, int y)
{
    return FromRgb32(image.pixel(x, y));
}

// A top-level button of the given size, shown (so it draws) on the offscreen screen.
inline std::unique_ptr<chameleonButton> ShownButton(int type, int w, int h,
                                                    const QString& caption = QString())
{
    auto b = std::make_unique<chameleonButton>();
    b->SetButtonType(type);
    b->SetCaption(caption);
    b->resize(w, h);
    b->show();
    return b;
}

// Everything one drawing reads besides the palette, as a test sets it up.
struct LookCase {
    button::ButtonProperties props;
    button::ButtonGeometry geometry;
    button::LookState state;
};

// Renders one state (0 up, 2 pressed) of a look straight through the look
// functions, at a device pixel ratio.
struct Render {
    QImage image;
    int captionState = 0;
};
inline Render RenderLook(const button::Palette& palette, LookCase c, int drawState, qreal ratio = 1.0)
{
    Render r;
    r.image = DeviceGrid::MakeImage(c.geometry.width, c.geometry.height, ratio);
    DeviceContext dc(r.image);
    c.state.drawnState = drawState;
    r.captionState = button::RenderButton(dc, palette, c.props, c.geometry, c.state, 0);
    return r;
}

} // namespace buttontest

#include "ButtonMeasure.h"
#include "ButtonPalette.h"

namespace buttontest {

inline button::Palette XpPalette(int look, int scheme = 1, bool soft = false)
{
    button::PaletteInputs in;
    in.scheme = scheme;
    in.buttonType = look;
    in.soft = soft;
    in.back = 0xD8E9EC;
    in.fore = 0;
    in.foreOver = 0;
    in.mask = 0xFFFFFF;
    in.parentBack = 0xD8E9EC;
    in.parentText = 0;
    in.system = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_3DLIGHT),
                 GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT),
                 GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_HIGHLIGHT)};
    return button::DerivePalette(in);
}

// A look of a w x h button with its caption laid out in the default font.
inline LookCase LookOf(int look, int w, int h, const QString& caption = QString())
{
    LookCase c;
    c.props.buttonType = look;
    c.props.caption = caption;
    c.geometry.width = w;
    c.geometry.height = h;
    button::LayoutInputs in;
    in.width = w;
    in.height = h;
    in.caption = caption;
    c.geometry.layout = button::LayOut(in, button::CaptionMeasure(c.props.font), {});
    c.geometry.boldLayout = c.geometry.layout;
    c.geometry.focusRect = Rect{4, 4, w - 4, h - 4};
    return c;
}

// Pixels of exactly this colour inside the image.
inline int CountColour(const QImage& image, ColorRef colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += PixelAt(image, x, y) == colour ? 1 : 0;
    return n;
}

} // namespace buttontest

// The control's drawing: the palette from its colours and the desktop's, the
// look drawn into the surface, and the surface copied to the screen.
#include "chameleonButton.h"

#include "ButtonLooks.h"
#include "DeviceContext.h"
#include "DeviceGrid.h"
#include "ScreenCopy.h"
#include "SystemColors.h"

#include <QPaintEvent>
#include <QPainter>

button::Palette chameleonButton::PaletteFrom(uint32_t back) const
{
    button::PaletteInputs in;
    in.scheme = props_.colorScheme;
    in.buttonType = props_.buttonType;
    in.soft = props_.softBevel;
    in.back = TranslateColor(back);
    in.fore = TranslateColor(props_.foreColor);
    in.foreOver = TranslateColor(props_.foreOver);
    in.mask = TranslateColor(props_.maskColor);
    // A Qt parent paints from its palette, so its window colours stand for the
    // background and text colours of its device context.
    const QPalette parentPalette = parentWidget() ? parentWidget()->palette() : palette();
    in.parentBack = FromQColor(parentPalette.color(QPalette::Window));
    in.parentText = FromQColor(parentPalette.color(QPalette::WindowText));
    in.system.buttonFace = GetSysColor(COLOR_BTNFACE);
    in.system.buttonShadow = GetSysColor(COLOR_BTNSHADOW);
    in.system.light3D = GetSysColor(COLOR_3DLIGHT);
    in.system.darkShadow3D = GetSysColor(COLOR_3DDKSHADOW);
    in.system.buttonHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    in.system.buttonText = GetSysColor(COLOR_BTNTEXT);
    in.system.highlight = GetSysColor(COLOR_HIGHLIGHT);
    return button::DerivePalette(in);
}

void chameleonButton::DerivePalette()
{
    palette_ = PaletteFrom(props_.backColor);
}

void chameleonButton::Redraw(int state, bool force)
{
    if (props_.checkBoxBehaviour && props_.value)
        state = 2;
    const bool changed = force || props_.caption != lastCaption_ || state != lookState_.drawnState;
    if (!changed || geometry_.height == 0 || !drawingEnabled_)
        return;
    lookState_.drawnState = state;
    lastCaption_ = props_.caption;
    Render();
    update();
    NotifyAccessibleState();
}

void chameleonButton::Render()
{
    // Drawn at the screen's resolution: the looks keep their logical
    // coordinates and the device context scales them.
    const qreal ratio = DeviceGrid::DrawingRatio(devicePixelRatioF());
    if (surface_.size() != DeviceGrid::DeviceSize(geometry_.width, geometry_.height, ratio)
        || surface_.devicePixelRatio() != ratio)
        surface_ = DeviceGrid::MakeImage(geometry_.width, geometry_.height, ratio);
    // Under custom colours the hovered button is drawn from BackOver alone.
    const button::Palette palette =
        (lookState_.hovered && props_.colorScheme == CustomColors) ? PaletteFrom(props_.backOver) : palette_;
    lookState_.background = background_.isNull() ? nullptr : &background_;
    DeviceContext dc(surface_, QSize(geometry_.width, geometry_.height));
    lastCaptionState_ = button::RenderButton(dc, palette, props_, geometry_, lookState_, lastCaptionState_);
}

void chameleonButton::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (surface_.isNull()) {
        painter.fillRect(event->rect(), ToQColor(palette_.face));
        return;
    }
    // Moved to a screen of another ratio: draw again before showing.
    if (surface_.devicePixelRatio() != DeviceGrid::DrawingRatio(devicePixelRatioF()) && drawingEnabled_
        && geometry_.height != 0)
        Render();
    CopyToScreen(painter, surface_, event->rect(), event->rect().topLeft());
}

// The property setters: each stores its value, does its follow-up (palette,
// layout, redraw) and tells the container which stored key changed.
#include "chameleonButton.h"

#include "ButtonColors.h"
#include "ButtonCursor.h"
#include "ButtonPicture.h"

void chameleonButton::SetBackColor(uint32_t value)
{
    backColor_ = value;
    if (!userMode_)
        backOver_ = value;
    DerivePalette();
    Redraw(lastState_, true);
    MarkChanged("BCOL");
}

void chameleonButton::SetBackOver(uint32_t value)
{
    backOver_ = value;
    DerivePalette();
    Redraw(lastState_, true);
    MarkChanged("BCOLO");
}

void chameleonButton::SetForeColor(uint32_t value)
{
    foreColor_ = value;
    if (!userMode_)
        foreOver_ = value;
    DerivePalette();
    Redraw(lastState_, true);
    MarkChanged("FCOL");
}

void chameleonButton::SetForeOver(uint32_t value)
{
    foreOver_ = value;
    DerivePalette();
    Redraw(lastState_, true);
    MarkChanged("FCOLO");
}

void chameleonButton::SetMaskColor(uint32_t value)
{
    maskColor_ = value;
    DerivePalette();
    Redraw(lastState_, true);
    MarkChanged("MCOL");
}

void chameleonButton::SetSoftBevel(bool value)
{
    softBevel_ = value;
    DerivePalette();
    Redraw(lastState_, true);
    MarkChanged("SOFT");
}

void chameleonButton::SetButtonType(int32_t value)
{
    buttonType_ = value;
    if (!userMode_ && value == FlatFramed) {
        font_.SetBold(true);
        QWidget::setFont(font_.ToQFont());
    } else if (value == Transparent && drawingEnabled_) {
        CopyBackground();
    }
    // The lifted face is blue-scaled for look 3 only.
    DerivePalette();
    ResizeProcedure();
    MarkChanged("BTYPE");
}

void chameleonButton::SetCaption(const QString& caption)
{
    caption_ = caption;
    DeriveAccessKey();
    LayOut();
    Redraw(0, true);
    MarkChanged("TX");
}

void chameleonButton::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Redraw(0, true);
    setEnabled(enabled);
    MarkChanged("ENAB");
}

void chameleonButton::FontChanged()
{
    QWidget::setFont(font_.ToQFont());
    LayOut();
    Redraw(0, true);
}

void chameleonButton::SetFont(const FontObject& font)
{
    font_ = font;
    FontChanged();
    MarkChanged("FONT");
}

void chameleonButton::SetFontBold(bool value)
{
    font_.SetBold(value);
    FontChanged();
}

void chameleonButton::SetFontItalic(bool value)
{
    font_.SetItalic(value);
    FontChanged();
}

void chameleonButton::SetFontUnderline(bool value)
{
    font_.SetUnderline(value);
    FontChanged();
}

int16_t chameleonButton::FontSize() const
{
    return static_cast<int16_t>(button::RoundHalfEven(font_.Size()));
}

void chameleonButton::SetFontSize(int16_t points)
{
    font_.SetSize(points);
    FontChanged();
}

void chameleonButton::SetFontName(const QString& name)
{
    font_.SetName(name);
    FontChanged();
}

void chameleonButton::SetColorScheme(int32_t value)
{
    colorScheme_ = value;
    DerivePalette();
    Redraw(0, true);
    MarkChanged("COLTYPE");
}

void chameleonButton::SetShowFocusRect(bool value)
{
    showFocusRect_ = value;
    Redraw(lastState_, true);
    MarkChanged("FOCUSR");
}

void chameleonButton::SetSpecialEffect(int32_t value)
{
    specialEffect_ = value;
    Redraw(lastState_, true);
    MarkChanged("FX");
}

void chameleonButton::SetCheckBoxBehaviour(bool value)
{
    checkBoxBehaviour_ = value;
    Redraw(lastState_, true);
    MarkChanged("CHECK");
    NotifyAccessibleState();
}

void chameleonButton::SetValue(bool value)
{
    value_ = value;
    if (checkBoxBehaviour_)
        Redraw(0, true);
    MarkChanged("VALUE");
    NotifyAccessibleState();
}

void chameleonButton::ApplyPointer()
{
    if (mousePointer_ == button::kPointerCustom) {
        if (handPointer_)
            setCursor(Qt::PointingHandCursor);
        else if (mouseIcon_ && !mouseIcon_->Image().isNull())
            setCursor(QCursor(QPixmap::fromImage(mouseIcon_->Image())));
        else
            unsetCursor();
        return;
    }
    if (const auto shape = button::CursorShapeForCode(mousePointer_))
        setCursor(*shape);
    else
        unsetCursor();
}

void chameleonButton::SetMousePointer(int16_t code)
{
    mousePointer_ = code;
    ApplyPointer();
    MarkChanged("MPTR");
}

void chameleonButton::SetMouseIcon(PicturePtr icon)
{
    mouseIcon_ = std::move(icon);
    ApplyPointer();
    MarkChanged("MICON");
}

void chameleonButton::SetHandPointer(bool value)
{
    handPointer_ = value;
    if (value) {
        mousePointer_ = button::kPointerCustom;
    } else {
        mouseIcon_.reset();
        mousePointer_ = button::kPointerArrow;
    }
    ApplyPointer();
    MarkChanged("HAND");
}

void chameleonButton::SetPictureNormal(PicturePtr picture)
{
    pictureNormal_ = std::move(picture);
    MeasurePicture();
    LayOut();
    Redraw(lastState_, true);
    MarkChanged("PICN");
}

void chameleonButton::SetPictureOver(PicturePtr picture)
{
    pictureOver_ = std::move(picture);
    if (hovered_)
        Redraw(lastState_, true);
    // The container has always been told "PICO" here, though the stored key is "PICH".
    MarkChanged("PICO");
}

void chameleonButton::SetPicturePosition(int32_t value)
{
    picturePosition_ = value;
    MarkChanged("PICPOS");
    LayOut();
    Redraw(lastState_, true);
}

void chameleonButton::SetUseMaskColor(bool value)
{
    useMaskColor_ = value;
    if (pictureNormal_)
        Redraw(lastState_, true);
    MarkChanged("UMCOL");
}

void chameleonButton::SetUseGreyscale(bool value)
{
    useGreyscale_ = value;
    if (pictureNormal_)
        Redraw(lastState_, true);
    MarkChanged("NGREY");
}

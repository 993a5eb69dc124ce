// The property setters: each stores its value, does its follow-up (palette,
// layout, redraw) and tells the container which stored key changed.
#include "chameleonButton.h"

#include "ButtonColors.h"
#include "ButtonCursor.h"
#include "ButtonPicture.h"

void chameleonButton::SetBackColor(uint32_t value)
{
    props_.backColor = value;
    if (!userMode_)
        props_.backOver = value;
    DerivePalette();
    Redraw(lookState_.drawnState, true);
    MarkChanged("BCOL");
}

void chameleonButton::SetBackOver(uint32_t value)
{
    props_.backOver = value;
    DerivePalette();
    Redraw(lookState_.drawnState, true);
    MarkChanged("BCOLO");
}

void chameleonButton::SetForeColor(uint32_t value)
{
    props_.foreColor = value;
    if (!userMode_)
        props_.foreOver = value;
    DerivePalette();
    Redraw(lookState_.drawnState, true);
    MarkChanged("FCOL");
}

void chameleonButton::SetForeOver(uint32_t value)
{
    props_.foreOver = value;
    DerivePalette();
    Redraw(lookState_.drawnState, true);
    MarkChanged("FCOLO");
}

void chameleonButton::SetMaskColor(uint32_t value)
{
    props_.maskColor = value;
    DerivePalette();
    Redraw(lookState_.drawnState, true);
    MarkChanged("MCOL");
}

void chameleonButton::SetSoftBevel(bool value)
{
    props_.softBevel = value;
    DerivePalette();
    Redraw(lookState_.drawnState, true);
    MarkChanged("SOFT");
}

void chameleonButton::SetButtonType(int32_t value)
{
    props_.buttonType = value;
    if (!userMode_ && value == FlatFramed) {
        props_.font.SetBold(true);
        QWidget::setFont(props_.font.ToQFont());
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
    props_.caption = caption;
    DeriveAccessKey();
    LayOut();
    Redraw(0, true);
    MarkChanged("TX");
}

void chameleonButton::SetEnabled(bool enabled)
{
    props_.enabled = enabled;
    Redraw(0, true);
    setEnabled(enabled);
    MarkChanged("ENAB");
}

void chameleonButton::FontChanged()
{
    QWidget::setFont(props_.font.ToQFont());
    LayOut();
    Redraw(0, true);
}

void chameleonButton::SetFont(const FontObject& font)
{
    props_.font = font;
    FontChanged();
    MarkChanged("FONT");
}

void chameleonButton::SetFontBold(bool value)
{
    props_.font.SetBold(value);
    FontChanged();
}

void chameleonButton::SetFontItalic(bool value)
{
    props_.font.SetItalic(value);
    FontChanged();
}

void chameleonButton::SetFontUnderline(bool value)
{
    props_.font.SetUnderline(value);
    FontChanged();
}

int16_t chameleonButton::FontSize() const
{
    return static_cast<int16_t>(button::RoundHalfEven(props_.font.Size()));
}

void chameleonButton::SetFontSize(int16_t points)
{
    props_.font.SetSize(points);
    FontChanged();
}

void chameleonButton::SetFontName(const QString& name)
{
    props_.font.SetName(name);
    FontChanged();
}

void chameleonButton::SetColorScheme(int32_t value)
{
    props_.colorScheme = value;
    DerivePalette();
    Redraw(0, true);
    MarkChanged("COLTYPE");
}

void chameleonButton::SetShowFocusRect(bool value)
{
    props_.showFocusRect = value;
    Redraw(lookState_.drawnState, true);
    MarkChanged("FOCUSR");
}

void chameleonButton::SetSpecialEffect(int32_t value)
{
    props_.specialEffect = value;
    Redraw(lookState_.drawnState, true);
    MarkChanged("FX");
}

void chameleonButton::SetCheckBoxBehaviour(bool value)
{
    props_.checkBoxBehaviour = value;
    Redraw(lookState_.drawnState, true);
    MarkChanged("CHECK");
    NotifyAccessibleState();
}

void chameleonButton::SetValue(bool value)
{
    props_.value = value;
    if (props_.checkBoxBehaviour)
        Redraw(0, true);
    MarkChanged("VALUE");
    NotifyAccessibleState();
}

void chameleonButton::ApplyPointer()
{
    if (props_.mousePointer == button::kPointerCustom) {
        if (props_.handPointer)
            setCursor(Qt::PointingHandCursor);
        else if (props_.mouseIcon && !props_.mouseIcon->Image().isNull())
            setCursor(QCursor(QPixmap::fromImage(props_.mouseIcon->Image())));
        else
            unsetCursor();
        return;
    }
    if (const auto shape = button::CursorShapeForCode(props_.mousePointer))
        setCursor(*shape);
    else
        unsetCursor();
}

void chameleonButton::SetMousePointer(int16_t code)
{
    props_.mousePointer = code;
    ApplyPointer();
    MarkChanged("MPTR");
}

void chameleonButton::SetMouseIcon(PicturePtr icon)
{
    props_.mouseIcon = std::move(icon);
    ApplyPointer();
    MarkChanged("MICON");
}

void chameleonButton::ApplyHandPointerRule()
{
    if (props_.handPointer) {
        props_.mousePointer = button::kPointerCustom;
    } else {
        props_.mouseIcon.reset();
        props_.mousePointer = button::kPointerArrow;
    }
}

void chameleonButton::SetHandPointer(bool value)
{
    props_.handPointer = value;
    ApplyHandPointerRule();
    ApplyPointer();
    MarkChanged("HAND");
}

void chameleonButton::SetPictureNormal(PicturePtr picture)
{
    props_.pictureNormal = std::move(picture);
    MeasurePicture();
    LayOut();
    Redraw(lookState_.drawnState, true);
    MarkChanged("PICN");
}

void chameleonButton::SetPictureOver(PicturePtr picture)
{
    props_.pictureOver = std::move(picture);
    if (lookState_.hovered)
        Redraw(lookState_.drawnState, true);
    // The container has always been told "PICO" here, though the stored key is "PICH".
    MarkChanged("PICO");
}

void chameleonButton::SetPicturePosition(int32_t value)
{
    props_.picturePosition = value;
    MarkChanged("PICPOS");
    LayOut();
    Redraw(lookState_.drawnState, true);
}

void chameleonButton::SetUseMaskColor(bool value)
{
    props_.useMaskColor = value;
    if (props_.pictureNormal)
        Redraw(lookState_.drawnState, true);
    MarkChanged("UMCOL");
}

void chameleonButton::SetUseGreyscale(bool value)
{
    props_.useGreyscale = value;
    if (props_.pictureNormal)
        Redraw(lookState_.drawnState, true);
    MarkChanged("NGREY");
}

#include "chameleonButton.h"

#include "AccessKey.h"
#include "ButtonLooks.h"
#include "ButtonMeasure.h"
#include "ButtonPicture.h"
#include "ButtonRegion.h"
#include "DeviceContext.h"
#include "DeviceGrid.h"
#include "ScreenCopy.h"
#include "SystemColors.h"

#include <QAccessible>
#include <QKeySequence>
#include <QPainter>
#include <QPaintEvent>

namespace {

// The hover check runs while the pointer is over the button only. Leaving is
// reported by the leave event; the timer is the fallback where the pointer's
// position is known, so a slow tick is enough (3 ms would wake the X server
// 333 times a second for nothing).
constexpr int kOverTimerInterval = 50;

} // namespace

chameleonButton::chameleonButton(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QWidget::setFont(props_.font.ToQFont());
    overTimer_.setInterval(kOverTimerInterval);
    connect(&overTimer_, &QTimer::timeout, this, &chameleonButton::OverTimerTick);
    DerivePalette();
    LayOut();
}

chameleonButton::~chameleonButton()
{
    drawingEnabled_ = false;
}

// --- palette, layout, geometry -------------------------------------------------------

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

button::Layout chameleonButton::LayOutWith(const FontObject& font) const
{
    button::LayoutInputs in;
    in.width = geometry_.width;
    in.height = geometry_.height;
    in.pictureWidth = geometry_.pictureWidth;
    in.pictureHeight = geometry_.pictureHeight;
    // Right to left the picture goes to the caption's other side, as Qt's own
    // buttons put their icons.
    in.position = props_.picturePosition;
    if (isRightToLeft() && (in.position == 0 || in.position == 1))
        in.position = 1 - in.position;
    in.hasPicture = props_.pictureNormal || props_.pictureOver;
    in.caption = props_.caption;
    // The frame lies just outside the focus rectangle.
    in.inside = geometry_.focusRect;
    InflateRect(in.inside, 1, 1);
    return button::LayOut(in, button::CaptionMeasure(font), geometry_.layout);
}

void chameleonButton::LayOut()
{
    geometry_.layout = LayOutWith(props_.font);
    if (props_.buttonType == HighlightGradient) {
        FontObject bold = props_.font;
        bold.SetBold(true);
        geometry_.boldLayout = LayOutWith(bold);
    } else {
        geometry_.boldLayout = geometry_.layout;
    }
}

void chameleonButton::MeasurePicture()
{
    const PicturePtr& picture = props_.pictureNormal;
    geometry_.pictureWidth = picture ? HimetricToPixels(picture->Width()) : 0;
    geometry_.pictureHeight = picture ? HimetricToPixels(picture->Height()) : 0;
}

void chameleonButton::ResizeProcedure()
{
    if (resizeGuard_)
        return;
    geometry_.width = width();
    geometry_.height = height();
    geometry_.focusRect = Rect{0, 0, geometry_.width, geometry_.height};
    if (props_.buttonType == HighlightGradient) {
        InflateRect(geometry_.focusRect, -5, -5);
        OffsetRect(geometry_.focusRect, 1, 1);
    } else if (props_.buttonType >= ThinRaised && props_.buttonType <= Oval) {
        InflateRect(geometry_.focusRect, -3, -3);
    } else {
        InflateRect(geometry_.focusRect, -4, -4);
    }
    LayOut();
    const Region region = button::RegionForStyle(props_.buttonType, geometry_.width, geometry_.height);
    if (region.IsEmpty())
        clearMask();
    else
        setMask(region.ToQRegion());
    if (geometry_.height != 0)
        Redraw(0, true);
}

void chameleonButton::CopyBackground()
{
    resizeGuard_ = true;
    QWidget* parent = parentWidget();
    if (parent && width() > 0 && height() > 0) {
        // The parent alone, without its children, under our rectangle: what
        // shows through a transparent button.
        QImage copy = DeviceGrid::MakeImage(width(), height(), devicePixelRatioF());
        copy.fill(parent->palette().color(QPalette::Window));
        QPainter painter(&copy);
        parent->render(&painter, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
        painter.end();
        background_ = copy;
    }
    resizeGuard_ = false;
}

// --- drawing ------------------------------------------------------------------------------

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

void chameleonButton::Refresh()
{
    if (props_.buttonType == Transparent)
        CopyBackground();
    DerivePalette();
    LayOut();
    drawingEnabled_ = true;
    Redraw(lookState_.drawnState, true);
}

void chameleonButton::DisableRefresh()
{
    drawingEnabled_ = false;
}

void chameleonButton::AmbientChanged()
{
    if (props_.colorScheme != CustomColors)
        DerivePalette();
    Redraw(lookState_.drawnState, true);
}

void chameleonButton::SetDisplayAsDefault(bool value)
{
    if (lookState_.displayAsDefault == value)
        return;
    lookState_.displayAsDefault = value;
    AmbientChanged();
}

// --- access key ----------------------------------------------------------------------------

void chameleonButton::DeriveAccessKey()
{
    if (shortcutId_ != 0) {
        releaseShortcut(shortcutId_);
        shortcutId_ = 0;
    }
    accessKey_ = button::AccessKeyOf(props_.caption);
    if (!accessKey_.isNull()) {
        // The window delivers Alt+key to us as a shortcut event.
        const QKeySequence key = QKeySequence::mnemonic(QStringLiteral("&") + accessKey_);
        if (!key.isEmpty())
            shortcutId_ = grabShortcut(key, Qt::WindowShortcut);
    }
    NotifyAccessibleName();
}

void chameleonButton::AccessKeyPress()
{
    lastButton_ = 1;
    ClickFromSystem();
}

// Assistive technology hears of a change only when what the button shows
// changed, and nothing while it is hidden (it reads the state when shown).
void chameleonButton::NotifyAccessibleName()
{
    if (props_.caption == announcedCaption_)
        return;
    announcedCaption_ = props_.caption;
    if (!isVisible() || !QAccessible::isActive())
        return;
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
}

button::AccessibleStateBits chameleonButton::AccessibleState() const
{
    button::AccessibleStateBits bits;
    bits.pressed = LastDrawnState() == 2 && !CheckBoxBehaviour();
    bits.checkable = CheckBoxBehaviour();
    bits.checked = bits.checkable && Value();
    return bits;
}

void chameleonButton::NotifyAccessibleState()
{
    const button::AccessibleStateBits now = AccessibleState();
    if (now == announcedState_)
        return;
    QAccessible::State changed;
    changed.pressed = now.pressed != announcedState_.pressed;
    changed.checkable = now.checkable != announcedState_.checkable;
    changed.checked = now.checked != announcedState_.checked;
    announcedState_ = now;
    if (!isVisible() || !QAccessible::isActive())
        return;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

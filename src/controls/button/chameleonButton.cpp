#include "chameleonButton.h"

#include "AccessKey.h"
#include "ButtonAccessible.h"
#include "ButtonLooks.h"
#include "ButtonMeasure.h"
#include "ButtonPicture.h"
#include "ButtonRegion.h"
#include "DeviceContext.h"
#include "ScreenCopy.h"
#include "SystemColors.h"

#include <QKeySequence>
#include <QPainter>
#include <QPaintEvent>

namespace {

constexpr uint32_t kSystemButtonFace = SYSTEM_COLOR_FLAG | COLOR_BTNFACE;
constexpr uint32_t kSystemButtonText = SYSTEM_COLOR_FLAG | COLOR_BTNTEXT;
// The hover check runs while the pointer is over the button only. Leaving is
// reported by the leave event; the timer is the fallback where the pointer's
// position is known, so a slow tick is enough (3 ms would wake the X server
// 333 times a second for nothing).
constexpr int kOverTimerInterval = 50;

} // namespace

chameleonButton::chameleonButton(QWidget* parent)
    : QWidget(parent), backColor_(kSystemButtonFace), backOver_(kSystemButtonFace),
      foreColor_(kSystemButtonText), foreOver_(kSystemButtonText), font_(FontObject::Default())
{
    button::InstallButtonAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QWidget::setFont(font_.ToQFont());
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
    in.scheme = colorScheme_;
    in.buttonType = buttonType_;
    in.soft = softBevel_;
    in.back = TranslateColor(back);
    in.fore = TranslateColor(foreColor_);
    in.foreOver = TranslateColor(foreOver_);
    in.mask = TranslateColor(maskColor_);
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
    palette_ = PaletteFrom(backColor_);
}

button::Layout chameleonButton::LayOutWith(const FontObject& font) const
{
    button::LayoutInputs in;
    in.width = width_;
    in.height = height_;
    in.pictureWidth = pictureWidth_;
    in.pictureHeight = pictureHeight_;
    in.position = picturePosition_;
    in.hasPicture = pictureNormal_ || pictureOver_;
    in.caption = caption_;
    return button::LayOut(in, button::CaptionMeasure(font), layout_);
}

void chameleonButton::LayOut()
{
    layout_ = LayOutWith(font_);
    if (buttonType_ == HighlightGradient) {
        FontObject bold = font_;
        bold.SetBold(true);
        boldLayout_ = LayOutWith(bold);
    } else {
        boldLayout_ = layout_;
    }
}

void chameleonButton::MeasurePicture()
{
    pictureWidth_ = pictureNormal_ ? button::PicturePixels(pictureNormal_->Width()) : 0;
    pictureHeight_ = pictureNormal_ ? button::PicturePixels(pictureNormal_->Height()) : 0;
}

void chameleonButton::ResizeProcedure()
{
    if (resizeGuard_)
        return;
    width_ = width();
    height_ = height();
    focusRect_ = Rect{0, 0, width_, height_};
    if (buttonType_ == HighlightGradient) {
        InflateRect(focusRect_, -5, -5);
        OffsetRect(focusRect_, 1, 1);
    } else if (buttonType_ >= ThinRaised && buttonType_ <= Oval) {
        InflateRect(focusRect_, -3, -3);
    } else {
        InflateRect(focusRect_, -4, -4);
    }
    LayOut();
    const Region region = button::RegionForStyle(buttonType_, width_, height_);
    if (region.IsEmpty())
        clearMask();
    else
        setMask(region.ToQRegion());
    if (height_ != 0)
        Redraw(0, true);
}

void chameleonButton::CopyBackground()
{
    resizeGuard_ = true;
    QWidget* parent = parentWidget();
    if (parent && width() > 0 && height() > 0) {
        // The parent alone, without its children, under our rectangle: what
        // shows through a transparent button.
        QImage copy(width(), height(), QImage::Format_RGB32);
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
    if (checkBoxBehaviour_ && value_)
        state = 2;
    const bool changed = force || caption_ != lastCaption_ || state != lastState_;
    if (!changed || height_ == 0 || !drawingEnabled_)
        return;
    const bool pressedChanged = state != lastState_;
    lastState_ = state;
    lastCaption_ = caption_;
    if (surface_.width() != width_ || surface_.height() != height_)
        surface_ = QImage(width_, height_, QImage::Format_RGB32);
    // Under custom colours the hovered button is drawn from BackOver alone.
    const button::Palette palette =
        (hovered_ && colorScheme_ == CustomColors) ? PaletteFrom(backOver_) : palette_;
    button::LookState s;
    s.width = width_;
    s.height = height_;
    s.look = buttonType_;
    s.scheme = colorScheme_;
    s.hovered = hovered_;
    s.focused = focused_;
    s.enabled = enabled_;
    s.showFocusRect = showFocusRect_;
    s.displayAsDefault = displayAsDefault_;
    s.soft = softBevel_;
    s.specialEffect = specialEffect_;
    s.drawnState = state;
    s.caption = caption_;
    s.font = font_;
    s.layout = layout_;
    s.boldLayout = boldLayout_;
    s.focusRect = focusRect_;
    s.pictureNormal = pictureNormal_;
    s.pictureOver = pictureOver_;
    s.pictureWidth = pictureWidth_;
    s.pictureHeight = pictureHeight_;
    s.useMaskColor = useMaskColor_;
    s.useGreyscale = useGreyscale_;
    s.picturePosition = picturePosition_;
    s.background = background_.isNull() ? nullptr : &background_;
    DeviceContext dc(surface_);
    lastCaptionState_ = button::RenderButton(dc, palette, s, state, lastCaptionState_);
    update();
    if (pressedChanged)
        NotifyAccessibleState();
}

void chameleonButton::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (surface_.isNull()) {
        painter.fillRect(event->rect(), ToQColor(palette_.face));
        return;
    }
    CopyToScreen(painter, surface_, event->rect(), event->rect().topLeft());
}

void chameleonButton::Refresh()
{
    if (buttonType_ == Transparent)
        CopyBackground();
    DerivePalette();
    LayOut();
    drawingEnabled_ = true;
    Redraw(lastState_, true);
}

void chameleonButton::DisableRefresh()
{
    drawingEnabled_ = false;
}

void chameleonButton::AmbientChanged()
{
    if (colorScheme_ != CustomColors)
        DerivePalette();
    Redraw(lastState_, true);
}

void chameleonButton::SetDisplayAsDefault(bool value)
{
    if (displayAsDefault_ == value)
        return;
    displayAsDefault_ = value;
    AmbientChanged();
}

// --- access key ----------------------------------------------------------------------------

void chameleonButton::DeriveAccessKey()
{
    if (shortcutId_ != 0) {
        releaseShortcut(shortcutId_);
        shortcutId_ = 0;
    }
    accessKey_ = button::AccessKeyOf(caption_);
    if (!accessKey_.isNull()) {
        // The window delivers Alt+key to us as a shortcut event.
        const QKeySequence key = QKeySequence::mnemonic(QStringLiteral("&") + accessKey_);
        if (!key.isEmpty())
            shortcutId_ = grabShortcut(key, Qt::WindowShortcut);
    }
    if (QAccessible::isActive()) {
        QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&nameChanged);
    }
}

void chameleonButton::AccessKeyPress()
{
    lastButton_ = 1;
    ClickFromSystem();
}

void chameleonButton::NotifyAccessibleState()
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.pressed = true;
    changed.checked = true;
    changed.checkable = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

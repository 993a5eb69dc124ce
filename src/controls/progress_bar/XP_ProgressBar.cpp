#include "XP_ProgressBar.h"

#include "ColorValue.h"
#include "ProgressMath.h"
#include "ProgressGradient.h"
#include "ProgressRenderer.h"
#include "ScreenCopy.h"
#include "DeviceGrid.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <cmath>

XP_ProgressBar::XP_ProgressBar(QWidget* parent) : QWidget(parent)
{
    font_ = std::make_shared<FontObject>(FontObject::Default());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetHdc();
    windowHandle_ = this;
    maxValue_ = 100;
    minValue_ = 0;
    percent_ = 0;
    orientation_ = 0;
    scrolling_ = 0;
    hatchStyle_ = 0;
    resolvedColor_ = TranslateColor(kDefaultColor);
    Redraw();
}

XP_ProgressBar::~XP_ProgressBar()
{
    FreeSurface();
}

// --- properties -------------------------------------------------------------------

int32_t XP_ProgressBar::Value() const
{
    const double span = static_cast<double>(maxValue_) - minValue_;
    const auto v = RoundToInt32(percent_ / 100.0 * span + minValue_);
    if (v)
        return *v;
    return percent_ < 0 ? INT32_MIN : INT32_MAX;
}

bool XP_ProgressBar::SetValue(int32_t value, ProgressStatus* status)
{
    const auto offset = CheckedSub(value, minValue_);
    const auto product = offset ? CheckedMul(*offset, 100) : std::nullopt;
    if (!product)
        return Finish(ProgressStatus::Overflow, status);
    const auto span = CheckedSub(maxValue_, minValue_);
    if (!span)
        return Finish(ProgressStatus::Overflow, status);
    if (*span == 0)
        return Finish(ProgressStatus::DivisionByZero, status);
    const auto percent = RoundToInt32(static_cast<double>(*product) / *span);
    if (!percent)
        return Finish(ProgressStatus::Overflow, status);
    percent_ = *percent;
    const ProgressStatus drawn = Redraw();
    NotifyValue();
    return Finish(drawn, status);
}

void XP_ProgressBar::SetMax(int32_t value)
{
    maxValue_ = value;
    emit PropertyChanged(QStringLiteral("Max"));
}

void XP_ProgressBar::SetMin(int32_t value)
{
    minValue_ = value;
    emit PropertyChanged(QStringLiteral("Min"));
}

bool XP_ProgressBar::SetColor(uint32_t colorValue, ProgressStatus* status)
{
    resolvedColor_ = TranslateColor(colorValue);
    return Finish(Redraw(), status);
}

bool XP_ProgressBar::SetScrolling(int32_t look, ProgressStatus* status)
{
    scrolling_ = look;
    emit PropertyChanged(QStringLiteral("Scrolling"));
    return Finish(Redraw(), status);
}

bool XP_ProgressBar::SetOrientation(int32_t orientation, ProgressStatus* status)
{
    orientation_ = orientation;
    emit PropertyChanged(QStringLiteral("Orientation"));
    return Finish(Redraw(), status);
}

bool XP_ProgressBar::SetShowText(bool show, ProgressStatus* status)
{
    showText_ = show;
    emit PropertyChanged(QStringLiteral("ShowText"));
    return Finish(Redraw(), status);
}

void XP_ProgressBar::SetBrushStyle(int32_t style)
{
    hatchStyle_ = style;
    emit PropertyChanged(QStringLiteral("BrushStyle"));
}

bool XP_ProgressBar::SetImage(PicturePtr picture, ProgressStatus* status)
{
    pattern_ = std::move(picture);
    emit PropertyChanged(QStringLiteral("Image"));
    return Finish(Redraw(), status);
}

void XP_ProgressBar::SetFont(std::shared_ptr<FontObject> font)
{
    if (font)
        font_ = std::move(font);
}

void XP_ProgressBar::SetHdc(DeviceContext*)
{
    const int w = static_cast<int>(std::lround(width()));
    const int h = static_cast<int>(std::lround(height()));
    EnsureSurface(w, h);
    if (surfaceDc_) {
        drawDc_ = surfaceDc_.get();
        useSurface_ = true;
    } else {
        // No surface: there is nothing of ours to draw on until the control has an area.
        drawDc_ = nullptr;
    }
}

// --- surface --------------------------------------------------------------------------

void XP_ProgressBar::EnsureSurface(int w, int h)
{
    if (surfaceDc_) {
        // Only ever grows, so ordinary redraws and shrinking never allocate;
        // a screen of another ratio needs a new one.
        if (h > surfaceHeight_ || w > surfaceWidth_ || !SurfaceMatchesScreen())
            MakeSurface(std::max(w, surfaceWidth_), std::max(h, surfaceHeight_));
    } else if (w > 0 && h > 0) {
        MakeSurface(w, h);
    }
}

void XP_ProgressBar::MakeSurface(int w, int h)
{
    FreeSurface();
    // Drawn at the screen's resolution; the looks keep their logical coordinates.
    QImage image = DeviceGrid::MakeImage(w, h, devicePixelRatioF());
    if (image.isNull())
        return; // out of memory: draw nothing rather than fail
    image.fill(Qt::white);
    surface_ = std::move(image);
    surfaceDc_ = std::make_unique<DeviceContext>(surface_, QSize(w, h));
    surfaceWidth_ = w;
    surfaceHeight_ = h;
}

void XP_ProgressBar::FreeSurface()
{
    if (drawDc_ == surfaceDc_.get())
        drawDc_ = nullptr;
    surfaceDc_.reset();
    surface_ = QImage();
    surfaceWidth_ = 0;
    surfaceHeight_ = 0;
}

// --- drawing ----------------------------------------------------------------------------

ProgressStatus XP_ProgressBar::Redraw()
{
    if (percent_ > 100)
        percent_ = 100;
    // A hidden widget gets its resize events only when shown, so catch up here;
    // the surface never shrinks, so an ordinary redraw allocates nothing.
    if (!surfaceDc_ || width() > surfaceWidth_ || height() > surfaceHeight_ || !SurfaceMatchesScreen())
        SetHdc();
    QWidget* window = windowHandle_ ? windowHandle_.data() : this;
    const int w = std::min(window->width(), surfaceWidth_);
    const int h = std::min(window->height(), surfaceHeight_);
    if (!drawDc_ || w <= 0 || h <= 0)
        return ProgressStatus::Ok;
    return RenderProgressBar(*drawDc_, DrawState(w, h));
}

ProgressState XP_ProgressBar::DrawState(int32_t width, int32_t height) const
{
    ProgressState s;
    s.look = LookFromScrolling(scrolling_);
    s.percent = percent_;
    s.color = resolvedColor_;
    s.vertical = orientation_ != 0;
    s.rightToLeft = isRightToLeft();
    s.showCaption = showText_;
    s.hatchStyle = hatchStyle_;
    s.pattern = pattern_;
    s.font = *font_;
    s.width = width;
    s.height = height;
    return s;
}

ProgressStatus XP_ProgressBar::DrawProgressBar()
{
    const ProgressStatus status = Redraw();
    if (useSurface_ && surfaceDc_)
        update();
    return status;
}

bool XP_ProgressBar::Finish(ProgressStatus result, ProgressStatus* status)
{
    if (status)
        *status = result;
    if (useSurface_ && surfaceDc_)
        update();
    return result == ProgressStatus::Ok;
}

void XP_ProgressBar::DrawLine(int32_t x, int32_t y, int32_t Width, int32_t Height, DeviceContext& cHdc,
                              uint32_t Color)
{
    DrawSolidLine(cHdc, x, y, Width, Height, Color);
}

void XP_ProgressBar::DrawGradient(uint32_t& lEndColor, uint32_t& lStartcolor, int32_t x, int32_t y,
                                  int32_t X2, int32_t Y2, DeviceContext& hdc, bool& bH)
{
    lEndColor = TranslateColor(lEndColor);
    lStartcolor = TranslateColor(lStartcolor);
    ::DrawGradient(hdc, lEndColor, lStartcolor, x, y, X2, Y2, bH);
}

void XP_ProgressBar::pDraw(DeviceContext& hdc, int32_t XSrc, int32_t YSrc, int32_t WidthSrc,
                           int32_t HeightSrc, int32_t xDst, int32_t yDst)
{
    if (!surfaceDc_)
        return;
    if (WidthSrc < 1)
        WidthSrc = surfaceWidth_;
    if (HeightSrc < 1)
        HeightSrc = surfaceHeight_;
    hdc.BitBlt(xDst, yDst, WidthSrc, HeightSrc, *surfaceDc_, XSrc, YSrc, SRCCOPY);
}

QImage XP_ProgressBar::Snapshot() const
{
    if (surface_.isNull())
        return QImage();
    const Rect shown{0, 0, std::min(width(), surfaceWidth_), std::min(height(), surfaceHeight_)};
    QImage copy = surface_.copy(surfaceDc_->Grid().Map(shown).ToQRect());
    copy.setDevicePixelRatio(surface_.devicePixelRatio());
    return copy;
}

bool XP_ProgressBar::SurfaceMatchesScreen() const
{
    return surface_.devicePixelRatio() == DeviceGrid::DrawingRatio(devicePixelRatioF());
}

QString XP_ProgressBar::AccessibleText() const
{
    return QCoreApplication::translate("XP_ProgressBar", "%1 %").arg(percent_);
}

void XP_ProgressBar::paintEvent(QPaintEvent*)
{
    Redraw();
    QPainter painter(this);
    if (surface_.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    CopyToScreen(painter, surface_, QRect(0, 0, width(), height()), QPoint(0, 0));
}

void XP_ProgressBar::resizeEvent(QResizeEvent*)
{
    SetHdc();
}

void XP_ProgressBar::changeEvent(QEvent* event)
{
    // The edges of some looks use system colours, which follow the palette.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange
        || event->type() == QEvent::LayoutDirectionChange)
        update();
    QWidget::changeEvent(event);
}

// Assistive technology hears of a new value once per shown percent, and
// nothing while the bar is hidden (it reads the value when shown).
void XP_ProgressBar::NotifyValue()
{
    if (percent_ == announcedPercent_)
        return;
    announcedPercent_ = percent_;
    if (!isVisible() || !QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(this, Value());
    QAccessible::updateAccessibility(&event);
}

// --- stored settings ---------------------------------------------------------------------

void XP_ProgressBar::WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty(QStringLiteral("Font"), *font_);
    bag.WriteProperty(QStringLiteral("BrushStyle"), hatchStyle_, int32_t{4});
    bag.WriteProperty(QStringLiteral("Color"), static_cast<int32_t>(resolvedColor_),
                      static_cast<int32_t>(kDefaultColor));
    bag.WriteProperty(QStringLiteral("Image"), pattern_, PicturePtr());
    bag.WriteProperty(QStringLiteral("Max"), maxValue_, int32_t{100});
    bag.WriteProperty(QStringLiteral("Min"), minValue_, int32_t{0});
    bag.WriteProperty(QStringLiteral("Orientation"), orientation_, int32_t{0});
    bag.WriteProperty(QStringLiteral("Scrolling"), scrolling_, int32_t{0});
    bag.WriteProperty(QStringLiteral("ShowText"), showText_, false);
    // The shown percentage, not the mapped Value.
    bag.WriteProperty(QStringLiteral("Value"), percent_, int32_t{0});
}

ProgressStatus XP_ProgressBar::ReadProperties(const PropertyBag& bag)
{
    ProgressStatus worst = ProgressStatus::Ok;
    auto note = [&worst](ProgressStatus s) {
        if (worst == ProgressStatus::Ok)
            worst = s;
    };
    ProgressStatus s = ProgressStatus::Ok;
    if (bag.Contains(QStringLiteral("Font")))
        SetFont(std::make_shared<FontObject>(bag.ReadFont(QStringLiteral("Font"), *font_)));
    hatchStyle_ = bag.ReadInt(QStringLiteral("BrushStyle"), 4);
    SetColor(static_cast<uint32_t>(bag.ReadInt(QStringLiteral("Color"), static_cast<int32_t>(kDefaultColor))), &s);
    note(s);
    pattern_ = bag.ReadPicture(QStringLiteral("Image"), nullptr);
    SetMax(bag.ReadInt(QStringLiteral("Max"), 100));
    SetMin(bag.ReadInt(QStringLiteral("Min"), 0));
    SetOrientation(bag.ReadInt(QStringLiteral("Orientation"), 0), &s);
    note(s);
    SetScrolling(bag.ReadInt(QStringLiteral("Scrolling"), 0), &s);
    note(s);
    SetShowText(bag.ReadBool(QStringLiteral("ShowText"), false), &s);
    note(s);
    SetValue(bag.ReadInt(QStringLiteral("Value"), 0), &s);
    note(s);
    return worst;
}

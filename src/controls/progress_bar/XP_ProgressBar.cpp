// The bar's set-up and its properties: the Value mapping with its checked
// arithmetic, the setters that redraw, and the surface behind hdc.
#include "XP_ProgressBar.h"

#include "ColorValue.h"
#include "ProgressMath.h"

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

XP_ProgressBar::~XP_ProgressBar() = default;

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
    surface_.Ensure(w, h, devicePixelRatioF());
    if (surface_.Dc()) {
        drawDc_ = surface_.Dc();
        useSurface_ = true;
    } else {
        // No surface: there is nothing of ours to draw on until the control has an area.
        drawDc_ = nullptr;
    }
}

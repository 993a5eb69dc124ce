// The bar's drawing: the state of one drawing, the redraw onto the surface,
// the drawing calls hosts make, and the surface copied to the screen.
#include "XP_ProgressBar.h"

#include "ColorValue.h"
#include "DrawUtil.h"
#include "ProgressGradient.h"
#include "ProgressRenderer.h"
#include "ScreenCopy.h"

#include <QEvent>
#include <QPainter>

ProgressStatus XP_ProgressBar::Redraw()
{
    if (percent_ > 100)
        percent_ = 100;
    // A hidden widget gets its resize events only when shown, so catch up here;
    // the surface never shrinks, so an ordinary redraw allocates nothing.
    if (!surface_.Dc() || width() > surface_.Width() || height() > surface_.Height() || !SurfaceMatchesScreen())
        SetHdc();
    QWidget* window = windowHandle_ ? windowHandle_.data() : this;
    const int w = std::min(window->width(), surface_.Width());
    const int h = std::min(window->height(), surface_.Height());
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
    if (useSurface_ && surface_.Dc())
        update();
    return status;
}

bool XP_ProgressBar::Finish(ProgressStatus result, ProgressStatus* status)
{
    if (status)
        *status = result;
    if (useSurface_ && surface_.Dc())
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
    if (!surface_.Dc())
        return;
    if (WidthSrc < 1)
        WidthSrc = surface_.Width();
    if (HeightSrc < 1)
        HeightSrc = surface_.Height();
    hdc.BitBlt(xDst, yDst, WidthSrc, HeightSrc, *surface_.Dc(), XSrc, YSrc, SRCCOPY);
}

QImage XP_ProgressBar::Snapshot() const
{
    return surface_.Shown(width(), height());
}

void XP_ProgressBar::paintEvent(QPaintEvent*)
{
    Redraw();
    QPainter painter(this);
    if (surface_.Image().isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    CopyToScreen(painter, surface_.Image(), QRect(0, 0, width(), height()), QPoint(0, 0));
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

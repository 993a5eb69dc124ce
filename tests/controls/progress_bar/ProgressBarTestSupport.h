#pragma once
// Renders a bar of a given look straight through the drawing steps.
#include "DeviceContext.h"
#include "ProgressRenderer.h"
#include "ProgressState.h"

#include <QImage>

struct RenderedBar {
    QImage image;
    ProgressStatus status = ProgressStatus::Ok;
    ColorRef At(int x, int y) const { return FromRgb32(image.pixel(x, y)); }
};

// `scrolling` as the stored property has it: 0 to 9, anything else draws as 1.
inline ProgressState BarState(int scrolling, int percent, uint32_t color = 0x808000, int direction = 0)
{
    ProgressState s;
    s.look = LookFromScrolling(scrolling);
    s.percent = percent;
    s.color = color;
    s.vertical = direction != 0;
    s.width = 177;
    s.height = 17;
    return s;
}

// At a device pixel ratio the image carries `ratio` and its pixels are device pixels.
inline RenderedBar Render(ProgressState s, int w = 177, int h = 17, qreal ratio = 1.0)
{
    RenderedBar out;
    out.image = DeviceGrid::MakeImage(w, h, ratio);
    out.image.fill(Qt::magenta);
    DeviceContext dc(out.image);
    s.width = w;
    s.height = h;
    out.status = RenderProgressBar(dc, s);
    return out;
}

#pragma once
// Renders a bar of a given look straight through the redraw steps.
#include "DeviceContext.h"
#include "ProgressDrawState.h"
#include "ProgressRenderer.h"

#include <QImage>

struct RenderedBar {
    QImage image;
    ProgressDrawState state;
    ProgressStatus status = ProgressStatus::Ok;
    ColorRef At(int x, int y) const { return FromRgb32(image.pixel(x, y)); }
};

inline ProgressDrawState BarState(int look, int percent, uint32_t color = 0x808000, int direction = 0)
{
    ProgressDrawState s;
    s.look = look;
    s.percent = percent;
    s.resolvedColor = color;
    s.direction = direction;
    return s;
}

inline RenderedBar Render(ProgressDrawState s, int w = 177, int h = 17)
{
    RenderedBar out;
    out.image = QImage(w, h, QImage::Format_RGB32);
    out.image.fill(Qt::magenta);
    DeviceContext dc(out.image);
    out.status = RenderProgressBar(dc, s, w, h);
    out.state = s;
    return out;
}

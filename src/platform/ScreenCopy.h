#pragma once
// Copying a finished off-screen image onto a widget during its paint event.
// Drawing happens at logical pixels; on a screen whose device pixel ratio is
// above 1 the image is scaled up, by whole pixels (nearest neighbour) when the
// ratio is a whole number and smoothly when it is fractional.
#include <QImage>
#include <QPainter>
#include <QRect>

// Copies `source` of `image` to `destination` (logical coordinates of the painter).
void CopyToScreen(QPainter& painter, const QImage& image, const QRect& source,
                  const QPoint& destination);

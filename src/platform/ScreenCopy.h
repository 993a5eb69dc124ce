#pragma once
// Copying a finished off-screen image onto a widget during its paint event.
// An image drawn at the screen's device pixel ratio (DeviceGrid::MakeImage)
// is copied pixel for pixel. One drawn at logical pixels on a screen whose
// ratio is not 1 is scaled, by whole pixels (nearest neighbour) when the
// ratio is a whole number and smoothly when it is fractional.
#include <QImage>
#include <QPainter>
#include <QRect>

// Copies `source` (logical coordinates of the image) of `image` to
// `destination` (logical coordinates of the painter).
void CopyToScreen(QPainter& painter, const QImage& image, const QRect& source,
                  const QPoint& destination);

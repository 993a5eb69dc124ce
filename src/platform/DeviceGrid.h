#pragma once
// Where the logical pixels of a drawing fall on an image of a higher device
// pixel ratio. A logical edge e lies at device edge round(e * ratio), so a
// logical pixel covers one or more whole device pixels and neighbouring shapes
// tile without gaps or overlaps even at 1.25 or 1.5. Edges at or past the
// logical right and bottom reach the image's last device column and row, which
// the widget shows when its scaled size is not a whole number. At ratio 1 every
// mapping is the identity.
#include "Rect.h"

#include <QImage>
#include <QSize>

class DeviceGrid {
public:
    DeviceGrid() = default; // ratio 1, nothing mapped
    // `logical` is the area drawn on, `device` the image's size in device pixels.
    DeviceGrid(qreal ratio, QSize logical, QSize device);
    // The grid of an image drawn at its own device pixel ratio.
    static DeviceGrid Of(const QImage& image, QSize logical = QSize());

    // The ratio a control draws at on a screen of `screenRatio`: below 1 the
    // drawing stays at 1 and is scaled down with the screen.
    static qreal DrawingRatio(qreal screenRatio);
    // The device size of a w x h logical drawing at `ratio`: the scaled size rounded up.
    static QSize DeviceSize(int w, int h, qreal ratio);
    // An RGB32 image of DeviceSize for a w x h logical drawing at `ratio`, its
    // device pixel ratio set.
    static QImage MakeImage(int w, int h, qreal ratio);

    qreal Ratio() const { return ratio_; }
    bool IsIdentity() const { return identity_; }
    QSize LogicalSize() const { return logical_; }

    int X(int edge) const { return Edge(edge, logical_.width(), snapX_); }
    int Y(int edge) const { return Edge(edge, logical_.height(), snapY_); }
    // The device pixels of a logical rectangle (half-open, as Rect is).
    Rect Map(const Rect& logical) const;
    // The logical pixel a device pixel belongs to.
    int LogicalX(int deviceX) const { return Logical(deviceX, logical_.width(), snapX_); }
    int LogicalY(int deviceY) const { return Logical(deviceY, logical_.height(), snapY_); }

private:
    int Edge(int edge, int extent, int snap) const;
    int Logical(int device, int extent, int snap) const;

    qreal ratio_ = 1.0;
    bool identity_ = true;
    QSize logical_;
    int snapX_ = 0; // device pixels added to edges at or past the logical extent
    int snapY_ = 0;
};

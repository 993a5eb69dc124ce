#pragma once
// A region as the Windows region calls build it, convertible to a QRegion for a
// widget mask (QWidget::setMask in place of SetWindowRgn).
#include "Rect.h"

#include <QRegion>

enum RegionCombine : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };

class Region {
public:
    Region() = default; // empty
    explicit Region(const QRegion& region) : region_(region) {}

    // CreateRectRgn: the pixels [left, right) x [top, bottom).
    static Region CreateRectRgn(int left, int top, int right, int bottom);
    // CreateEllipticRgn: the ellipse of the box with its right and bottom edge
    // taken off first, as Windows does, so (0, 0, 20, 10) spans columns 0..18
    // and rows 0..8. Each row runs between the ellipse's outline pixels.
    static Region CreateEllipticRgn(int left, int top, int right, int bottom);
    // CombineRgn(dest, a, b, mode); RGN_COPY takes a.
    static Region Combine(const Region& a, const Region& b, RegionCombine mode);

    bool IsEmpty() const { return region_.isEmpty(); }
    bool Contains(int x, int y) const { return region_.contains(QPoint(x, y)); }
    const QRegion& ToQRegion() const { return region_; }

    friend bool operator==(const Region& a, const Region& b) { return a.region_ == b.region_; }

private:
    QRegion region_;
};

#pragma once
// A drawing at a device pixel ratio against the same drawing at 1x.
#include "DeviceGrid.h"

#include <QImage>
#include <QRect>
#include <cmath>
#include <gtest/gtest.h>

namespace ratiotest {

inline constexpr qreal kRatios[] = {1.25, 1.5, 2.0, 3.0};

// Device pixels whose colour is not that of their logical pixel at 1x.
inline int PixelsOffScale(const QImage& one, const QImage& scaled)
{
    const DeviceGrid grid = DeviceGrid::Of(scaled);
    int off = 0;
    for (int y = 0; y < scaled.height(); ++y)
        for (int x = 0; x < scaled.width(); ++x)
            off += scaled.pixel(x, y) != one.pixel(grid.LogicalX(x), grid.LogicalY(y));
    return off;
}

// The bounding box of the pixels where two drawings of one size differ.
inline QRect DiffBox(const QImage& a, const QImage& b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Every edge of `box` within `slack` device pixels of the 1x box scaled.
inline ::testing::AssertionResult ScaledBox(const QRect& box, const QRect& one, qreal ratio, qreal slack)
{
    const qreal want[] = {one.left() * ratio, one.top() * ratio, (one.right() + 1) * ratio,
                          (one.bottom() + 1) * ratio};
    const int got[] = {box.left(), box.top(), box.right() + 1, box.bottom() + 1};
    for (int i = 0; i < 4; ++i)
        if (std::abs(got[i] - want[i]) > slack)
            return ::testing::AssertionFailure() << "edge " << i << " at " << got[i] << ", want " << want[i]
                                                 << " (ratio " << ratio << ")";
    return ::testing::AssertionSuccess();
}

// Of the aligned 2 x 2 blocks where `a` differs from `b`, the share that are
// one colour in `a`: 1 when `a` is a 1x drawing blown up.
inline double UniformShare(const QImage& a, const QImage& b)
{
    int blocks = 0, uniform = 0;
    for (int y = 0; y + 1 < a.height(); y += 2)
        for (int x = 0; x + 1 < a.width(); x += 2) {
            const QRgb p[] = {a.pixel(x, y), a.pixel(x + 1, y), a.pixel(x, y + 1), a.pixel(x + 1, y + 1)};
            if (p[0] == b.pixel(x, y) && p[1] == b.pixel(x + 1, y) && p[2] == b.pixel(x, y + 1)
                && p[3] == b.pixel(x + 1, y + 1))
                continue;
            ++blocks;
            uniform += p[0] == p[1] && p[0] == p[2] && p[0] == p[3];
        }
    return blocks ? static_cast<double>(uniform) / blocks : 1.0;
}

} // namespace ratiotest

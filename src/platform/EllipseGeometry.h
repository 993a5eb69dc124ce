#pragma once
// The integer ellipse of the Windows raster: the outline path of a box and the
// spans between its pixels. Shared by Ellipse and CreateEllipticRgn.
#include <QPoint>
#include <vector>

struct EllipseSpan {
    int y;
    int left;  // inclusive
    int right; // inclusive
};

// Path pixels of the one-pixel centre line of the box [l, r) x [t, b) (columns
// l..r-1, rows t..b-1). Empty when the box has no width or height.
std::vector<QPoint> EllipsePath(int l, int t, int r, int b);
// For each row of the path, the span from its leftmost to its rightmost pixel.
std::vector<EllipseSpan> EllipseSpans(int l, int t, int r, int b);

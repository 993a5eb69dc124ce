#pragma once
// A rectangle in the Windows convention: left and top inside, right and bottom
// outside, so a rectangle (0, 0, 3, 2) covers 3 x 2 pixels.
#include <QRect>
#include <cstdint>

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr int32_t Width() const { return right - left; }
    constexpr int32_t Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    // An empty QRect for an empty or inverted rectangle.
    QRect ToQRect() const;
    static Rect FromQRect(const QRect& r);
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// The Windows helpers of the same names; all return the changed rectangle in place.
void InflateRect(Rect& r, int32_t dx, int32_t dy);
void OffsetRect(Rect& r, int32_t dx, int32_t dy);
// Intersection; an empty result is (0, 0, 0, 0) as on Windows. Returns false when empty.
bool IntersectRect(Rect& out, const Rect& a, const Rect& b);

#pragma once
// Everything one redraw of the bar reads and writes: the control's settings and
// the working rectangles of the drawing steps.
#include "FontObject.h"
#include "Picture.h"
#include "Rect.h"

#include <QString>
#include <cstdint>

struct ProgressDrawState {
    // Settings (from the control).
    uint32_t resolvedColor = 0;
    int32_t percent = 0;
    bool showCaption = false;
    int32_t look = 0;
    int32_t direction = 0;
    int32_t hatchStyle = 0;
    PicturePtr pattern;
    FontObject textFont;

    // Working fields of the drawing steps.
    Rect clientRc;
    Rect fillRc;
    Rect sepRc;
    Rect textRc;
    double fillFraction = 0;
    int32_t blockWidth = 0;
    int32_t blockGap = 2;

    // Set by a step whose checked arithmetic overflowed; the redraw stops there.
    bool overflow = false;

    // Rounds half to even into 32 bits; flags an overflow (and gives 0) when it does not fit.
    int32_t Round(double value);
    QString Caption() const;
};

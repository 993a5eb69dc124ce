#pragma once
// What one drawing of the bar shows. The looks read it and keep nothing
// between drawings; the only thing that outlives a drawing is the state of
// the device context itself (the caption leaves its background mode
// transparent, which the hatched look shows).
#include "ColorValue.h"
#include "FontObject.h"
#include "Picture.h"
#include "ProgressLook.h"

#include <QString>
#include <cstdint>

struct ProgressState {
    ProgressLook look = ProgressLook::Segmented;
    int32_t percent = 0;   // drawn as at most 100; may be negative
    ColorRef color = 0;    // the resolved Color
    bool vertical = false; // looks 0 to 2 only: the fill grows upward
    bool rightToLeft = false; // a horizontal bar fills from the right, as Qt's own do
    bool showCaption = false;
    int32_t hatchStyle = 0;
    PicturePtr pattern;
    FontObject font;
    int32_t width = 0;
    int32_t height = 0;

    // "Gathering Required Information" for the marquee, else the percentage and " %"
    // (in the user's language).
    QString Caption() const;
    // The whole drawing is turned around: a right-to-left horizontal bar.
    bool Mirrored() const { return rightToLeft && !vertical; }
};

#pragma once
// Where the caption and the picture go inside a W x H button.
#include "Rect.h"

#include <QString>

#include <functional>

namespace button {

struct Layout {
    Rect caption;
    Rect pressedCaption;
    int px = 0;
    int py = 0;
};

// Measures wrapped text inside a rectangle: returns it with right and bottom at
// the end of the text, left and top unchanged.
using MeasureText = std::function<Rect(const QString& text, const Rect& within)>;

struct LayoutInputs {
    int width = 0;
    int height = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
    int position = 0;     // 0 left, 1 right, 2 top, 3 bottom, 4 behind
    bool hasPicture = false; // PictureNormal or PictureOver set
    QString caption;
    // The face inside the frame; picture and caption are kept within it where
    // the placement above would push them onto the frame. Empty: not kept.
    Rect inside{};
};

// previous supplies the picture position kept for unsupported position values.
Layout LayOut(const LayoutInputs& in, const MeasureText& measure, const Layout& previous);

} // namespace button

#pragma once
// What one drawing of the button reads: the context it draws on, the palette
// of this drawing, the control's properties, where things go and the few
// things that change between drawings. Looks, captions and pictures are plain
// functions of it; the control only holds state.
#include "ButtonLayout.h"
#include "ButtonLook.h"
#include "ButtonPalette.h"
#include "ButtonProperties.h"
#include "DeviceContext.h"
#include "Rect.h"

#include <QImage>

namespace button {

// Where things go in a W x H button, kept by the control between drawings.
struct ButtonGeometry {
    int width = 0;
    int height = 0;
    Layout layout;
    Layout boldLayout; // look 14's caption while displayed as default
    Rect focusRect;
    int pictureWidth = 0; // PictureNormal's size in pixels, 0 without one
    int pictureHeight = 0;
};

// What changes from one drawing to the next besides the properties.
struct LookState {
    bool hovered = false;
    bool focused = false;
    bool displayAsDefault = false;
    int drawnState = 0; // 0 up, 2 pressed
    const QImage* background = nullptr; // style 11: the parent's pixels under the control
};

struct ButtonDrawing {
    DeviceContext& dc;
    Palette palette;
    const ButtonProperties& props;
    const ButtonGeometry& geometry;
    const LookState& state;
    int lastCaptionState = 0;
    bool captionDrawn = false; // this drawing drew the caption
    bool lastCaptionBold = false;

    ButtonLook Look() const { return LookOfType(props.buttonType); }
    int Width() const { return geometry.width; }
    int Height() const { return geometry.height; }
    // Shift with this drawing's SoftBevel.
    Colour Shifted(Colour c, int amount, bool blueScaled = false) const
    {
        return Shift(c, amount, blueScaled, props.softBevel);
    }
};

} // namespace button

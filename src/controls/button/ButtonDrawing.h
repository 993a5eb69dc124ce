#pragma once
// What one drawing of the button reads: the context it draws on, the palette
// of this drawing and a snapshot of the control's state. Looks, captions and
// pictures are plain functions of it; the control only holds state.
#include "ButtonLayout.h"
#include "ButtonPalette.h"
#include "DeviceContext.h"
#include "FontObject.h"
#include "Picture.h"
#include "Rect.h"

#include <QImage>
#include <QString>

namespace button {

struct LookState {
    int width = 0;
    int height = 0;
    int look = 2;
    int scheme = 1;
    bool hovered = false;
    bool focused = false;
    bool enabled = true;
    bool showFocusRect = true;
    bool displayAsDefault = false;
    bool soft = false;
    int specialEffect = 0;
    int drawnState = 0; // 0 up, 2 pressed
    QString caption;
    FontObject font;
    Layout layout;
    Layout boldLayout; // look 14's caption while displayed as default
    Rect focusRect;
    PicturePtr pictureNormal;
    PicturePtr pictureOver;
    int pictureWidth = 0;
    int pictureHeight = 0;
    bool useMaskColor = true;
    bool useGreyscale = false;
    int picturePosition = 0;
    const QImage* background = nullptr; // style 11: the parent's pixels under the control
};

struct ButtonDrawing {
    DeviceContext& dc;
    Palette palette;
    const LookState& state;
    int lastCaptionState = 0;
    bool captionDrawn = false; // this drawing drew the caption
    bool lastCaptionBold = false;

    // Shift with this drawing's SoftBevel.
    Colour Shifted(Colour c, int amount, bool blueScaled = false) const
    {
        return Shift(c, amount, blueScaled, state.soft);
    }
};

} // namespace button

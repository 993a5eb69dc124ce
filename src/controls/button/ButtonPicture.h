#pragma once
// The picture of the button: its states, its special effect and the transfer
// that puts it on the context (mask colour, silhouettes, greyscale, blend).
#include "ButtonDrawing.h"
#include "PictureTransfer.h"

namespace button {

// Picture states: 0 up, 1 pressed, 2 disabled.
void DrawPicture(ButtonDrawing& d, int pictureState);

// Transfers a w x h block of the picture to (x, y); negative w or h mean the
// picture's own size. Reads the destination once and writes it once.
void TransferPicture(DeviceContext& dc, int x, int y, int w, int h, const Picture& picture,
                     const TransferMode& mode);

} // namespace button

#pragma once
// The caption in its eight states, with the special effect behind it.
#include "ButtonDrawing.h"

namespace button {

// Caption states: 0 up, 1 up hovered, 2 pressed, 3 disabled engraved, 4 disabled
// flat, 5 disabled look 3, 6 disabled look 14, 7 pressed look 14.
// bold draws look 14's default caption with the bold font and its own layout.
void DrawCaption(ButtonDrawing& d, int captionState, bool bold = false);

// The caption text alone, in one colour at one rectangle, wrapped and centred.
void DrawCaptionText(ButtonDrawing& d, const Rect& rect, Colour colour, bool bold = false);

// The flags every caption is drawn and measured with.
constexpr uint32_t kCaptionFlags = DT_WORDBREAK | DT_VCENTER | DT_CENTER;

} // namespace button

#pragma once
// The focus rectangle of the looks that have one.
#include "ButtonDrawing.h"

namespace button {

// Drawn only while the control is focused and ShowFocusRect is set.
void DrawFocusIfShown(ButtonDrawing& d);

} // namespace button

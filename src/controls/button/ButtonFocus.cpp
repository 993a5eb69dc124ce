#include "ButtonFocus.h"

#include "ButtonPrimitives.h"

namespace button {

void DrawFocusIfShown(ButtonDrawing& d)
{
    if (d.state.showFocusRect && d.state.focused)
        DrawFocusRectWith(d.dc, d.state.focusRect, d.palette.text);
}

} // namespace button

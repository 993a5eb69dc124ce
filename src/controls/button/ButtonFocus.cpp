#include "ButtonFocus.h"

#include "ButtonPrimitives.h"

namespace button {

void DrawFocusIfShown(ButtonDrawing& d)
{
    if (d.props.showFocusRect && d.state.focused)
        DrawFocusRectWith(d.dc, d.geometry.focusRect, d.palette.text);
}

} // namespace button

#include "ProgressRenderer.h"

#include "AlternativeLooks.h"
#include "FramedLooks.h"
#include "ProgressGradient.h"

ProgressStatus RenderProgressBar(DeviceContext& dc, ProgressDrawState& s, int32_t width, int32_t height)
{
    s.overflow = false;
    if (s.percent > 100)
        s.percent = 100;
    s.clientRc = Rect{0, 0, width, height};
    FillSolidRect(dc, s.clientRc, s.look == 6 ? 0x000000 : 0xFFFFFF);

    switch (s.look) {
    case 3: DrawFlatStyle(dc, s); break;
    case 4: DrawEtchedStyle(dc, s); break;
    case 5: DrawTwinGradientStyle(dc, s); break;
    case 6: DrawDarkStyle(dc, s); break;
    case 7: DrawHatchedStyle(dc, s); break;
    case 8: DrawPictureStyle(dc, s); break;
    case 9: DrawGlossyStyle(dc, s); break;
    default:
        CalcFill(dc, s);
        if (s.overflow)
            break;
        DrawFill(dc, s);
        if (s.overflow)
            break;
        if (s.look == 0)
            DrawSeparators(dc, s);
        DrawFrame(dc, s);
        break;
    }
    if (s.overflow)
        return ProgressStatus::Overflow;
    DrawCaption(dc, s);
    return s.overflow ? ProgressStatus::Overflow : ProgressStatus::Ok;
}

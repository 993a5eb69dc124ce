#include "ProgressRenderer.h"

#include "AlternativeLooks.h"
#include "DrawUtil.h"
#include "FramedLooks.h"

namespace {

bool DrawLook(DeviceContext& dc, const ProgressState& s)
{
    switch (s.look) {
    case ProgressLook::Flat: return DrawFlatLook(dc, s);
    case ProgressLook::Etched: return DrawEtchedLook(dc, s);
    case ProgressLook::TwinGradient: return DrawTwinGradientLook(dc, s);
    case ProgressLook::Dark: return DrawDarkLook(dc, s);
    case ProgressLook::Hatched: return DrawHatchedLook(dc, s);
    case ProgressLook::Picture: return DrawPictureLook(dc, s);
    case ProgressLook::Glossy: return DrawGlossyLook(dc, s);
    case ProgressLook::Segmented:
    case ProgressLook::Smooth:
    case ProgressLook::Marquee: return DrawFramedLook(dc, s);
    }
    return DrawFramedLook(dc, s);
}

} // namespace

ProgressStatus RenderProgressBar(DeviceContext& dc, const ProgressState& s)
{
    if (s.percent > 100) {
        ProgressState full = s;
        full.percent = 100;
        return RenderProgressBar(dc, full);
    }
    FillSolidRect(dc, Rect{0, 0, s.width, s.height}, s.look == ProgressLook::Dark ? 0x000000 : 0xFFFFFF);
    if (!DrawLook(dc, s))
        return ProgressStatus::Overflow;
    // The caption is drawn after the turn, so its letters read the right way.
    if (s.Mirrored())
        dc.MirrorHorizontally(Rect{0, 0, s.width, s.height});
    if (!DrawCaption(dc, s))
        return ProgressStatus::Overflow;
    return ProgressStatus::Ok;
}

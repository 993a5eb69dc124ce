#pragma once
// Caption measurement with a font: DrawText with DT_CALCRECT | DT_WORDBREAK on
// a scratch context.
#include "ButtonLayout.h"
#include "FontObject.h"

namespace button {

MeasureText CaptionMeasure(const FontObject& font);

} // namespace button

#pragma once
// TranslateColor: a colour value (a ColorRef, or a system colour index with the
// top bit set) made into the plain colour that is drawn.
#include "ColorRef.h"

// A plain colour is returned unchanged (the top byte is kept, as Windows does);
// a system colour becomes GetSysColor(index). An unknown system index gives 0
// (black), the value GetSysColor returns for it.
ColorRef TranslateColor(uint32_t value);

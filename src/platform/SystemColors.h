#pragma once
// GetSysColor backed by the application's palette. The table of index -> palette
// role lives in SystemColors.cpp; each call reads the current QPalette, so a
// change of the desktop's palette shows at the next redraw.
//
// Tests (and only tests) pin colours through SetOverride, e.g. the face colour
// &HD8E9EC (red 236, green 233, blue 216) with SetOverride(COLOR_BTNFACE, 0xD8E9EC).
#include "ColorRef.h"

#include <map>

enum SysColorIndex : int {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
    COLOR_HOTLIGHT = 26,
    COLOR_GRADIENTACTIVECAPTION = 27,
    COLOR_GRADIENTINACTIVECAPTION = 28,
    COLOR_MENUHILIGHT = 29,
    COLOR_MENUBAR = 30,
};

class SystemColors {
public:
    // True for the indices 0 to 30 (25 is unused on Windows but reads as black there too).
    static bool IsValidIndex(int index);
    // The colour of the index; 0 for an unknown index.
    static ColorRef GetSysColor(int index);

    // Test hook: from now on `index` reads as `color`, whatever the palette says.
    static void SetOverride(int index, ColorRef color);
    // Test hook: pins the Windows XP scheme the stored forms were designed on
    // (face &HD8E9EC, highlight &HC56A31, ...), so pixel tests do not depend on the desktop.
    static void UseXpSchemeForTests();
    static void ClearOverrides();

private:
    static std::map<int, ColorRef>& Overrides();
};

inline ColorRef GetSysColor(int index) { return SystemColors::GetSysColor(index); }

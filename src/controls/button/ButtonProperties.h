#pragma once
// The button's properties as the control holds them and the looks read them,
// with the values a new control starts with. Colours are colour values
// (system colours allowed); the drawing translates them through the palette.
#include "ColorValue.h"
#include "FontObject.h"
#include "Picture.h"
#include "SystemColors.h"

#include <QString>
#include <cstdint>

namespace button {

inline constexpr uint32_t kSystemButtonFace = SYSTEM_COLOR_FLAG | COLOR_BTNFACE;
inline constexpr uint32_t kSystemButtonText = SYSTEM_COLOR_FLAG | COLOR_BTNTEXT;

struct ButtonProperties {
    uint32_t backColor = kSystemButtonFace;
    uint32_t backOver = kSystemButtonFace; // the face while hovered, colour scheme 2 only
    uint32_t foreColor = kSystemButtonText;
    uint32_t foreOver = kSystemButtonText; // the caption while hovered and pressed
    uint32_t maskColor = 0xC0C0C0;
    int32_t buttonType = 2; // the look, 1 to 14; others draw the face and picture only
    QString caption;
    bool enabled = true;
    FontObject font = FontObject::Default();
    int32_t colorScheme = 1;
    bool showFocusRect = true;
    int16_t mousePointer = 0;
    PicturePtr mouseIcon;
    bool handPointer = false;
    bool softBevel = false;
    PicturePtr pictureNormal;
    PicturePtr pictureOver;
    int32_t picturePosition = 0;
    bool useMaskColor = true;
    bool useGreyscale = false;
    int32_t specialEffect = 0;
    bool checkBoxBehaviour = false;
    bool value = false;
};

} // namespace button

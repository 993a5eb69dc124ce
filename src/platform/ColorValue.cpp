#include "ColorValue.h"

#include "SystemColors.h"

std::optional<ColorRef> TryTranslateColor(uint32_t value)
{
    if (!IsSystemColor(value))
        return value;
    const int index = static_cast<int>(value & ~SYSTEM_COLOR_FLAG);
    if (!SystemColors::IsValidIndex(index))
        return std::nullopt;
    return SystemColors::GetSysColor(index);
}

ColorRef TranslateColor(uint32_t value)
{
    return TryTranslateColor(value).value_or(0);
}

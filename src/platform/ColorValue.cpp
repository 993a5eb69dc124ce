#include "ColorValue.h"

#include "SystemColors.h"

ColorRef TranslateColor(uint32_t value)
{
    if (!IsSystemColor(value))
        return value;
    const int index = static_cast<int>(value & ~SYSTEM_COLOR_FLAG);
    return SystemColors::IsValidIndex(index) ? SystemColors::GetSysColor(index) : 0;
}

#include "SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

struct RoleOf {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Which palette colour stands for each Windows system colour. Qt's 3-D roles
// map one to one onto the button colours: Light is the highlight edge, Midlight
// the light edge, Dark the shadow and Shadow the dark shadow.
bool RoleForIndex(int index, RoleOf& out)
{
    using P = QPalette;
    const P::ColorGroup a = P::Active;
    switch (index) {
    case COLOR_SCROLLBAR: out = {a, P::Mid}; return true;
    case COLOR_BACKGROUND: out = {a, P::Window}; return true;
    case COLOR_ACTIVECAPTION: out = {a, P::Highlight}; return true;
    case COLOR_INACTIVECAPTION: out = {a, P::Mid}; return true;
    case COLOR_MENU: out = {a, P::Window}; return true;
    case COLOR_WINDOW: out = {a, P::Base}; return true;
    case COLOR_WINDOWFRAME: out = {a, P::Shadow}; return true;
    case COLOR_MENUTEXT: out = {a, P::WindowText}; return true;
    case COLOR_WINDOWTEXT: out = {a, P::Text}; return true;
    case COLOR_CAPTIONTEXT: out = {a, P::HighlightedText}; return true;
    case COLOR_ACTIVEBORDER: out = {a, P::Button}; return true;
    case COLOR_INACTIVEBORDER: out = {a, P::Button}; return true;
    case COLOR_APPWORKSPACE: out = {a, P::Mid}; return true;
    case COLOR_HIGHLIGHT: out = {a, P::Highlight}; return true;
    case COLOR_HIGHLIGHTTEXT: out = {a, P::HighlightedText}; return true;
    case COLOR_BTNFACE: out = {a, P::Button}; return true;
    case COLOR_BTNSHADOW: out = {a, P::Dark}; return true;
    case COLOR_GRAYTEXT: out = {P::Disabled, P::Text}; return true;
    case COLOR_BTNTEXT: out = {a, P::ButtonText}; return true;
    case COLOR_INACTIVECAPTIONTEXT: out = {P::Inactive, P::HighlightedText}; return true;
    case COLOR_BTNHIGHLIGHT: out = {a, P::Light}; return true;
    case COLOR_3DDKSHADOW: out = {a, P::Shadow}; return true;
    case COLOR_3DLIGHT: out = {a, P::Midlight}; return true;
    case COLOR_INFOTEXT: out = {a, P::ToolTipText}; return true;
    case COLOR_INFOBK: out = {a, P::ToolTipBase}; return true;
    case COLOR_HOTLIGHT: out = {a, P::Link}; return true;
    case COLOR_GRADIENTACTIVECAPTION: out = {a, P::Highlight}; return true;
    case COLOR_GRADIENTINACTIVECAPTION: out = {a, P::Mid}; return true;
    case COLOR_MENUHILIGHT: out = {a, P::Highlight}; return true;
    case COLOR_MENUBAR: out = {a, P::Window}; return true;
    default: return false;
    }
}

} // namespace

std::map<int, ColorRef>& SystemColors::Overrides()
{
    static std::map<int, ColorRef> overrides;
    return overrides;
}

bool SystemColors::IsValidIndex(int index)
{
    return index >= 0 && index <= COLOR_MENUBAR;
}

ColorRef SystemColors::GetSysColor(int index)
{
    if (!IsValidIndex(index))
        return 0;
    const auto& overrides = Overrides();
    if (auto it = overrides.find(index); it != overrides.end())
        return it->second;
    RoleOf role{};
    if (!RoleForIndex(index, role))
        return 0;
    const QPalette palette = QGuiApplication::palette();
    return FromQColor(palette.color(role.group, role.role));
}

void SystemColors::SetOverride(int index, ColorRef color)
{
    Overrides()[index] = color & 0xFFFFFF;
}

void SystemColors::UseXpSchemeForTests()
{
    SetOverride(COLOR_HIGHLIGHT, 0xC56A31);
    SetOverride(COLOR_HIGHLIGHTTEXT, 0xFFFFFF);
    SetOverride(COLOR_BTNFACE, 0xD8E9EC);
    SetOverride(COLOR_BTNSHADOW, 0x99A8AC);
    SetOverride(COLOR_GRAYTEXT, 0x99A8AC);
    SetOverride(COLOR_BTNTEXT, 0x000000);
    SetOverride(COLOR_BTNHIGHLIGHT, 0xFFFFFF);
    SetOverride(COLOR_3DDKSHADOW, 0x646F71);
    SetOverride(COLOR_3DLIGHT, 0xE2EFF1);
    SetOverride(COLOR_WINDOW, 0xFFFFFF);
    SetOverride(COLOR_WINDOWTEXT, 0x000000);
}

void SystemColors::ClearOverrides()
{
    Overrides().clear();
}

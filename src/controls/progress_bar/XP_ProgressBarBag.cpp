// The bar's stored settings: their keys, order and defaults.
#include "XP_ProgressBar.h"

void XP_ProgressBar::WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty(QStringLiteral("Font"), *font_);
    bag.WriteProperty(QStringLiteral("BrushStyle"), hatchStyle_, int32_t{4});
    bag.WriteProperty(QStringLiteral("Color"), static_cast<int32_t>(resolvedColor_),
                      static_cast<int32_t>(kDefaultColor));
    bag.WriteProperty(QStringLiteral("Image"), pattern_, PicturePtr());
    bag.WriteProperty(QStringLiteral("Max"), maxValue_, int32_t{100});
    bag.WriteProperty(QStringLiteral("Min"), minValue_, int32_t{0});
    bag.WriteProperty(QStringLiteral("Orientation"), orientation_, int32_t{0});
    bag.WriteProperty(QStringLiteral("Scrolling"), scrolling_, int32_t{0});
    bag.WriteProperty(QStringLiteral("ShowText"), showText_, false);
    // The shown percentage, not the mapped Value.
    bag.WriteProperty(QStringLiteral("Value"), percent_, int32_t{0});
}

ProgressStatus XP_ProgressBar::ReadProperties(const PropertyBag& bag)
{
    ProgressStatus worst = ProgressStatus::Ok;
    auto note = [&worst](ProgressStatus s) {
        if (worst == ProgressStatus::Ok)
            worst = s;
    };
    ProgressStatus s = ProgressStatus::Ok;
    if (bag.Contains(QStringLiteral("Font")))
        SetFont(std::make_shared<FontObject>(bag.ReadFont(QStringLiteral("Font"), *font_)));
    hatchStyle_ = bag.ReadInt(QStringLiteral("BrushStyle"), 4);
    SetColor(static_cast<uint32_t>(bag.ReadInt(QStringLiteral("Color"), static_cast<int32_t>(kDefaultColor))), &s);
    note(s);
    pattern_ = bag.ReadPicture(QStringLiteral("Image"), nullptr);
    SetMax(bag.ReadInt(QStringLiteral("Max"), 100));
    SetMin(bag.ReadInt(QStringLiteral("Min"), 0));
    SetOrientation(bag.ReadInt(QStringLiteral("Orientation"), 0), &s);
    note(s);
    SetScrolling(bag.ReadInt(QStringLiteral("Scrolling"), 0), &s);
    note(s);
    SetShowText(bag.ReadBool(QStringLiteral("ShowText"), false), &s);
    note(s);
    SetValue(bag.ReadInt(QStringLiteral("Value"), 0), &s);
    note(s);
    return worst;
}

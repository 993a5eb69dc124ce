// The control's stored settings: the keys, their order, types and defaults.
#include "chameleonButton.h"

#include "ButtonCursor.h"
#include "SystemColors.h"

namespace {

uint32_t ReadColour(const PropertyBag& bag, const char* key, uint32_t defaultValue)
{
    return static_cast<uint32_t>(
        bag.ReadInt(QString::fromLatin1(key), static_cast<int32_t>(defaultValue)));
}

int32_t AsInt(uint32_t colour)
{
    return static_cast<int32_t>(colour);
}

} // namespace

void chameleonButton::ReadProperties(const PropertyBag& bag)
{
    buttonType_ = bag.ReadInt(QStringLiteral("BTYPE"), Standard3D);
    caption_ = bag.ReadString(QStringLiteral("TX"), QString());
    enabled_ = bag.ReadBool(QStringLiteral("ENAB"), true);
    font_ = bag.ReadFont(QStringLiteral("FONT"), font_);
    QWidget::setFont(font_.ToQFont());
    colorScheme_ = bag.ReadInt(QStringLiteral("COLTYPE"), SystemColors);
    showFocusRect_ = bag.ReadBool(QStringLiteral("FOCUSR"), true);
    backColor_ = ReadColour(bag, "BCOL", SYSTEM_COLOR_FLAG | COLOR_BTNFACE);
    backOver_ = ReadColour(bag, "BCOLO", backColor_);
    foreColor_ = ReadColour(bag, "FCOL", SYSTEM_COLOR_FLAG | COLOR_BTNTEXT);
    foreOver_ = ReadColour(bag, "FCOLO", foreColor_);
    maskColor_ = ReadColour(bag, "MCOL", 0xC0C0C0);
    mousePointer_ = static_cast<int16_t>(bag.ReadInt(QStringLiteral("MPTR"), 0));
    ApplyPointer();
    mouseIcon_ = bag.ReadPicture(QStringLiteral("MICON"));
    ApplyPointer();
    pictureNormal_ = bag.ReadPicture(QStringLiteral("PICN"));
    pictureOver_ = bag.ReadPicture(QStringLiteral("PICH"));
    useMaskColor_ = bag.ReadBool(QStringLiteral("UMCOL"), true);
    softBevel_ = bag.ReadBool(QStringLiteral("SOFT"), false);
    picturePosition_ = bag.ReadInt(QStringLiteral("PICPOS"), 0);
    useGreyscale_ = bag.ReadBool(QStringLiteral("NGREY"), false);
    specialEffect_ = bag.ReadInt(QStringLiteral("FX"), 0);
    // Through the setter's rule, which decides the final pointer.
    handPointer_ = bag.ReadBool(QStringLiteral("HAND"), false);
    if (handPointer_) {
        mousePointer_ = button::kPointerCustom;
    } else {
        mouseIcon_.reset();
        mousePointer_ = button::kPointerArrow;
    }
    ApplyPointer();
    checkBoxBehaviour_ = bag.ReadBool(QStringLiteral("CHECK"), false);
    value_ = bag.ReadBool(QStringLiteral("VALUE"), false);

    setEnabled(enabled_);
    MeasurePicture();
    LayOut();
    DeriveAccessKey();
    // Settings read into a control that is already on screen take effect at once
    // (a control read before it is shown draws when it is shown).
    if (isVisible()) {
        DerivePalette();
        ResizeProcedure();
    }
}

void chameleonButton::WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty(QStringLiteral("BTYPE"), buttonType_);
    bag.WriteProperty(QStringLiteral("TX"), caption_);
    bag.WriteProperty(QStringLiteral("ENAB"), enabled_);
    bag.WriteProperty(QStringLiteral("FONT"), font_);
    bag.WriteProperty(QStringLiteral("COLTYPE"), colorScheme_);
    bag.WriteProperty(QStringLiteral("FOCUSR"), showFocusRect_);
    bag.WriteProperty(QStringLiteral("BCOL"), AsInt(backColor_));
    bag.WriteProperty(QStringLiteral("BCOLO"), AsInt(backOver_));
    bag.WriteProperty(QStringLiteral("FCOL"), AsInt(foreColor_));
    bag.WriteProperty(QStringLiteral("FCOLO"), AsInt(foreOver_));
    bag.WriteProperty(QStringLiteral("MCOL"), AsInt(maskColor_));
    bag.WriteProperty(QStringLiteral("MPTR"), static_cast<int32_t>(mousePointer_));
    // An empty custom pointer is stored as an empty picture.
    bag.WriteProperty(QStringLiteral("MICON"), mouseIcon_);
    if (pictureNormal_)
        bag.WriteProperty(QStringLiteral("PICN"), pictureNormal_);
    if (pictureOver_)
        bag.WriteProperty(QStringLiteral("PICH"), pictureOver_);
    bag.WriteProperty(QStringLiteral("UMCOL"), useMaskColor_);
    bag.WriteProperty(QStringLiteral("SOFT"), softBevel_);
    bag.WriteProperty(QStringLiteral("PICPOS"), picturePosition_);
    bag.WriteProperty(QStringLiteral("NGREY"), useGreyscale_);
    bag.WriteProperty(QStringLiteral("FX"), specialEffect_);
    bag.WriteProperty(QStringLiteral("HAND"), handPointer_);
    bag.WriteProperty(QStringLiteral("CHECK"), checkBoxBehaviour_);
    bag.WriteProperty(QStringLiteral("VALUE"), value_);
}

// The control's stored settings: the keys themselves are in ButtonStoredKeys.
#include "chameleonButton.h"

#include "ButtonStoredKeys.h"

void chameleonButton::ReadProperties(const PropertyBag& bag)
{
    button::ReadStoredProperties(bag, props_);
    // HandPointer is read through its setter's rule, which decides the final pointer.
    ApplyHandPointerRule();
    ApplyPointer();
    QWidget::setFont(props_.font.ToQFont());
    setEnabled(props_.enabled);
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
    button::WriteStoredProperties(bag, props_);
}

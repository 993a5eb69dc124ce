// A stored-settings file, as a user or a packager may edit it: parsing never
// fails without saying where, and every value it keeps reads back through
// each of the property bag's typed reads; a bag written from what was read
// holds the same values.
#include "FormData.h"
#include "FuzzSupport.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    FormData form;
    const FormData::LoadReport result = form.Parse(text, QStringLiteral("Fuzz.frm"));
    if (!result.ok) {
        fuzz::Check(result.error.startsWith(QStringLiteral("Fuzz.frm:")), "a refusal that names no line");
        fuzz::Check(form.ControlNames().empty(), "a refused file keeps controls");
        return 0;
    }
    for (const QString& name : form.ControlNames()) {
        fuzz::Check(form.HasControl(name), "a control that cannot be found");
        // (Case folds letter by letter: an upper-cased name outside ASCII may spell otherwise.)
        bool ascii = true;
        for (QChar c : name)
            ascii = ascii && c.unicode() < 0x80;
        if (ascii)
            fuzz::Check(form.HasControl(name.toUpper()), "a control that cannot be found in capitals");
        const PropertyBag& bag = form.Control(name);
        PropertyBag copy;
        for (const QString& key : bag.Keys()) {
            (void)bag.ReadInt(key, 7);
            (void)bag.ReadBool(key, true);
            (void)bag.ReadString(key, QStringLiteral("x"));
            (void)bag.ReadFont(key, FontObject::Default());
            (void)bag.ReadPicture(key);
            (void)bag.TryReadInt(key);
            const PropertyValue value = bag.ReadProperty(key);
            copy.WriteProperty(key, value);
            fuzz::Check(PropertyValuesEqual(copy.ReadProperty(key), value), "a value that does not read back");
        }
        fuzz::Check(copy.Keys() == bag.Keys(), "keys that do not read back");
    }
    return 0;
}

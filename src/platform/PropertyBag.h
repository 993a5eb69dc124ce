#pragma once
// The keyed store in which a window keeps its controls' stored settings.
// Keys compare without regard to case and are stored in lower case; entries
// keep the order in which they were first written. A value written together
// with a default equal to it is not stored (and an older entry under that key
// is removed, so a bag that is saved into twice never keeps a stale value).
#include "FontObject.h"
#include "Picture.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

// monostate stands for "nothing" (an empty picture reference, for instance).
using PropertyValue =
    std::variant<std::monostate, bool, int32_t, double, QString, FontObject, PicturePtr>;

bool PropertyValuesEqual(const PropertyValue& a, const PropertyValue& b);

class PropertyBag {
public:
    void WriteProperty(const QString& key, const PropertyValue& value);
    void WriteProperty(const QString& key, const PropertyValue& value,
                       const PropertyValue& defaultValue);

    bool Contains(const QString& key) const;
    // The stored value, or `defaultValue` when the key is absent.
    PropertyValue ReadProperty(const QString& key, const PropertyValue& defaultValue = {}) const;

    // Typed reads with the conversions a host makes when it assigns a stored
    // value to a property: integers accept booleans (True is -1) and doubles
    // (rounded half to even, when in range); booleans accept integers (non-zero
    // is True). A missing key or a value that cannot be converted gives the default.
    int32_t ReadInt(const QString& key, int32_t defaultValue) const;
    bool ReadBool(const QString& key, bool defaultValue) const;
    QString ReadString(const QString& key, const QString& defaultValue) const;
    FontObject ReadFont(const QString& key, const FontObject& defaultValue) const;
    PicturePtr ReadPicture(const QString& key, PicturePtr defaultValue = nullptr) const;
    // Converting read that reports failure instead of falling back.
    std::optional<int32_t> TryReadInt(const QString& key) const;

    // Keys (lower case) in the order they were first written.
    std::vector<QString> Keys() const;
    const std::vector<std::pair<QString, PropertyValue>>& Entries() const { return entries_; }

private:
    const PropertyValue* Find(const QString& key) const;
    void Remove(const QString& key);
    std::vector<std::pair<QString, PropertyValue>> entries_;
};

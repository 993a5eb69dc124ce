#include "PropertyBag.h"


#include <cmath>
#include <limits>

bool PropertyValuesEqual(const PropertyValue& a, const PropertyValue& b)
{
    if (a.index() != b.index()) {
        // A host compares numbers by value whatever their type (True is -1).
        auto asNumber = [](const PropertyValue& v, double& out) {
            if (auto* i = std::get_if<int32_t>(&v)) { out = *i; return true; }
            if (auto* d = std::get_if<double>(&v)) { out = *d; return true; }
            if (auto* b = std::get_if<bool>(&v)) { out = *b ? -1.0 : 0.0; return true; }
            return false;
        };
        double x = 0, y = 0;
        if (asNumber(a, x) && asNumber(b, y))
            return x == y;
        // An empty picture reference equals "nothing".
        auto isNothing = [](const PropertyValue& v) {
            if (std::holds_alternative<std::monostate>(v)) return true;
            if (auto* p = std::get_if<PicturePtr>(&v)) return *p == nullptr;
            return false;
        };
        return isNothing(a) && isNothing(b);
    }
    if (auto* pa = std::get_if<PicturePtr>(&a)) {
        const PicturePtr& pb = std::get<PicturePtr>(b);
        if (*pa == pb)
            return true;
        if (!*pa || !pb)
            return false;
        return (*pa)->GetType() == pb->GetType() && (*pa)->Image() == pb->Image();
    }
    return a == b;
}

const PropertyValue* PropertyBag::Find(const QString& key) const
{
    const QString lower = key.toLower();
    for (const auto& [k, v] : entries_)
        if (k == lower)
            return &v;
    return nullptr;
}

void PropertyBag::WriteProperty(const QString& key, const PropertyValue& value)
{
    const QString lower = key.toLower();
    for (auto& [k, v] : entries_) {
        if (k == lower) {
            v = value;
            return;
        }
    }
    entries_.emplace_back(lower, value);
}

void PropertyBag::WriteProperty(const QString& key, const PropertyValue& value,
                                const PropertyValue& defaultValue)
{
    if (PropertyValuesEqual(value, defaultValue)) {
        Remove(key);
        return;
    }
    WriteProperty(key, value);
}

bool PropertyBag::Contains(const QString& key) const
{
    return Find(key) != nullptr;
}

PropertyValue PropertyBag::ReadProperty(const QString& key, const PropertyValue& defaultValue) const
{
    const PropertyValue* v = Find(key);
    return v ? *v : defaultValue;
}

std::optional<int32_t> PropertyBag::TryReadInt(const QString& key) const
{
    const PropertyValue* v = Find(key);
    if (!v)
        return std::nullopt;
    if (auto* i = std::get_if<int32_t>(v))
        return *i;
    if (auto* b = std::get_if<bool>(v))
        return *b ? -1 : 0;
    if (auto* d = std::get_if<double>(v)) {
        const double r = std::nearbyint(*d);
        if (std::isfinite(r) && r >= std::numeric_limits<int32_t>::min() &&
            r <= std::numeric_limits<int32_t>::max())
            return static_cast<int32_t>(r);
    }
    return std::nullopt;
}

int32_t PropertyBag::ReadInt(const QString& key, int32_t defaultValue) const
{
    return TryReadInt(key).value_or(defaultValue);
}

bool PropertyBag::ReadBool(const QString& key, bool defaultValue) const
{
    const PropertyValue* v = Find(key);
    if (!v)
        return defaultValue;
    if (auto* b = std::get_if<bool>(v))
        return *b;
    if (auto* i = std::get_if<int32_t>(v))
        return *i != 0;
    if (auto* d = std::get_if<double>(v))
        return *d != 0.0;
    return defaultValue;
}

QString PropertyBag::ReadString(const QString& key, const QString& defaultValue) const
{
    const PropertyValue* v = Find(key);
    if (!v)
        return defaultValue;
    if (auto* s = std::get_if<QString>(v))
        return *s;
    if (auto* i = std::get_if<int32_t>(v))
        return QString::number(*i);
    return defaultValue;
}

FontObject PropertyBag::ReadFont(const QString& key, const FontObject& defaultValue) const
{
    const PropertyValue* v = Find(key);
    if (v)
        if (auto* f = std::get_if<FontObject>(v))
            return *f;
    return defaultValue;
}

PicturePtr PropertyBag::ReadPicture(const QString& key, PicturePtr defaultValue) const
{
    const PropertyValue* v = Find(key);
    if (!v)
        return defaultValue;
    if (auto* p = std::get_if<PicturePtr>(v))
        return *p;
    if (std::holds_alternative<std::monostate>(*v))
        return nullptr;
    return defaultValue;
}

void PropertyBag::Remove(const QString& key)
{
    const QString lower = key.toLower();
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->first == lower) {
            entries_.erase(it);
            return;
        }
    }
}

std::vector<QString> PropertyBag::Keys() const
{
    std::vector<QString> keys;
    keys.reserve(entries_.size());
    for (const auto& e : entries_)
        keys.push_back(e.first);
    return keys;
}

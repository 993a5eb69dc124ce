#include "ButtonStoredKeys.h"

namespace button {

namespace {

template <typename T>
using Field = T ButtonProperties::*;

struct StoredKey {
    const char* key;
    void (*read)(const PropertyBag& bag, const QString& key, ButtonProperties& props);
    void (*write)(PropertyBag& bag, const QString& key, const ButtonProperties& props);
};

template <Field<int32_t> F, int32_t Default>
constexpr StoredKey Int(const char* key)
{
    return {key, [](const PropertyBag& bag, const QString& k, ButtonProperties& p) { p.*F = bag.ReadInt(k, Default); },
            [](PropertyBag& bag, const QString& k, const ButtonProperties& p) { bag.WriteProperty(k, p.*F); }};
}

// MPTR: stored as a 32-bit integer, held as 16 bits.
template <Field<int16_t> F>
constexpr StoredKey Short(const char* key)
{
    return {key,
            [](const PropertyBag& bag, const QString& k, ButtonProperties& p) {
                p.*F = static_cast<int16_t>(bag.ReadInt(k, 0));
            },
            [](PropertyBag& bag, const QString& k, const ButtonProperties& p) {
                bag.WriteProperty(k, static_cast<int32_t>(p.*F));
            }};
}

template <Field<bool> F, bool Default>
constexpr StoredKey Bool(const char* key)
{
    return {key, [](const PropertyBag& bag, const QString& k, ButtonProperties& p) { p.*F = bag.ReadBool(k, Default); },
            [](PropertyBag& bag, const QString& k, const ButtonProperties& p) { bag.WriteProperty(k, p.*F); }};
}

// Colours are stored as 32-bit integers; DefaultFrom, when given, is the field
// whose value (just read) stands in for a missing key.
template <Field<uint32_t> F, uint32_t Default, Field<uint32_t> DefaultFrom = nullptr>
constexpr StoredKey Colour(const char* key)
{
    return {key,
            [](const PropertyBag& bag, const QString& k, ButtonProperties& p) {
                uint32_t fallback = Default;
                if constexpr (DefaultFrom != nullptr)
                    fallback = p.*DefaultFrom;
                p.*F = static_cast<uint32_t>(bag.ReadInt(k, static_cast<int32_t>(fallback)));
            },
            [](PropertyBag& bag, const QString& k, const ButtonProperties& p) {
                bag.WriteProperty(k, static_cast<int32_t>(p.*F));
            }};
}

constexpr StoredKey Caption(const char* key)
{
    return {key, [](const PropertyBag& bag, const QString& k, ButtonProperties& p) { p.caption = bag.ReadString(k, QString()); },
            [](PropertyBag& bag, const QString& k, const ButtonProperties& p) { bag.WriteProperty(k, p.caption); }};
}

constexpr StoredKey Font(const char* key)
{
    return {key, [](const PropertyBag& bag, const QString& k, ButtonProperties& p) { p.font = bag.ReadFont(k, p.font); },
            [](PropertyBag& bag, const QString& k, const ButtonProperties& p) { bag.WriteProperty(k, p.font); }};
}

// Pictures: a missing key is none; StoreEmpty writes an unset picture as an
// empty one, otherwise it is left out.
template <Field<PicturePtr> F, bool StoreEmpty>
constexpr StoredKey Image(const char* key)
{
    return {key, [](const PropertyBag& bag, const QString& k, ButtonProperties& p) { p.*F = bag.ReadPicture(k); },
            [](PropertyBag& bag, const QString& k, const ButtonProperties& p) {
                if (StoreEmpty || p.*F)
                    bag.WriteProperty(k, p.*F);
            }};
}

using P = ButtonProperties;

constexpr StoredKey kKeys[] = {
    Int<&P::buttonType, 2>("BTYPE"),
    Caption("TX"),
    Bool<&P::enabled, true>("ENAB"),
    Font("FONT"),
    Int<&P::colorScheme, 1>("COLTYPE"),
    Bool<&P::showFocusRect, true>("FOCUSR"),
    Colour<&P::backColor, kSystemButtonFace>("BCOL"),
    Colour<&P::backOver, 0, &P::backColor>("BCOLO"),
    Colour<&P::foreColor, kSystemButtonText>("FCOL"),
    Colour<&P::foreOver, 0, &P::foreColor>("FCOLO"),
    Colour<&P::maskColor, 0xC0C0C0>("MCOL"),
    Short<&P::mousePointer>("MPTR"),
    Image<&P::mouseIcon, true>("MICON"),
    Image<&P::pictureNormal, false>("PICN"),
    Image<&P::pictureOver, false>("PICH"),
    Bool<&P::useMaskColor, true>("UMCOL"),
    Bool<&P::softBevel, false>("SOFT"),
    Int<&P::picturePosition, 0>("PICPOS"),
    Bool<&P::useGreyscale, false>("NGREY"),
    Int<&P::specialEffect, 0>("FX"),
    Bool<&P::handPointer, false>("HAND"),
    Bool<&P::checkBoxBehaviour, false>("CHECK"),
    Bool<&P::value, false>("VALUE"),
};

} // namespace

void ReadStoredProperties(const PropertyBag& bag, ButtonProperties& props)
{
    for (const StoredKey& k : kKeys)
        k.read(bag, QString::fromLatin1(k.key), props);
}

void WriteStoredProperties(PropertyBag& bag, const ButtonProperties& props)
{
    for (const StoredKey& k : kKeys)
        k.write(bag, QString::fromLatin1(k.key), props);
}

} // namespace button

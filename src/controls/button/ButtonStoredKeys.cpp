#include "ButtonStoredKeys.h"

namespace button {

namespace {

using Props = ButtonProperties;
template <typename T>
using Field = T Props::*;

// One key's conversions between the bag and its field, in both directions.
struct StoredKey {
    const char* key;
    void (*read)(const PropertyBag& bag, const QString& key, Props& props);
    void (*write)(PropertyBag& bag, const QString& key, const Props& props);
};

template <typename Key>
constexpr StoredKey Entry(const char* key)
{
    return {key, &Key::Read, &Key::Write};
}

template <Field<int32_t> F, int32_t Default>
struct Int {
    static void Read(const PropertyBag& bag, const QString& key, Props& p)
    {
        p.*F = bag.ReadInt(key, Default);
    }
    static void Write(PropertyBag& bag, const QString& key, const Props& p)
    {
        bag.WriteProperty(key, p.*F);
    }
};

// MPTR: held in 16 bits, stored as a 32-bit integer.
template <Field<int16_t> F>
struct Short {
    static void Read(const PropertyBag& bag, const QString& key, Props& p)
    {
        p.*F = static_cast<int16_t>(bag.ReadInt(key, 0));
    }
    static void Write(PropertyBag& bag, const QString& key, const Props& p)
    {
        bag.WriteProperty(key, static_cast<int32_t>(p.*F));
    }
};

template <Field<bool> F, bool Default>
struct Bool {
    static void Read(const PropertyBag& bag, const QString& key, Props& p)
    {
        p.*F = bag.ReadBool(key, Default);
    }
    static void Write(PropertyBag& bag, const QString& key, const Props& p)
    {
        bag.WriteProperty(key, p.*F);
    }
};

// Colours are stored as 32-bit integers. DefaultFrom, when given, is the
// field whose value (just read) stands in for a missing key.
template <Field<uint32_t> F, uint32_t Default, Field<uint32_t> DefaultFrom = nullptr>
struct Colour {
    static void Read(const PropertyBag& bag, const QString& key, Props& p)
    {
        uint32_t fallback = Default;
        if constexpr (DefaultFrom != nullptr)
            fallback = p.*DefaultFrom;
        p.*F = static_cast<uint32_t>(bag.ReadInt(key, static_cast<int32_t>(fallback)));
    }
    static void Write(PropertyBag& bag, const QString& key, const Props& p)
    {
        bag.WriteProperty(key, static_cast<int32_t>(p.*F));
    }
};

struct Caption {
    static void Read(const PropertyBag& bag, const QString& key, Props& p)
    {
        p.caption = bag.ReadString(key, {});
    }
    static void Write(PropertyBag& bag, const QString& key, const Props& p)
    {
        bag.WriteProperty(key, p.caption);
    }
};

// A missing font keeps the one held now.
struct Font {
    static void Read(const PropertyBag& bag, const QString& key, Props& p)
    {
        p.font = bag.ReadFont(key, p.font);
    }
    static void Write(PropertyBag& bag, const QString& key, const Props& p)
    {
        bag.WriteProperty(key, p.font);
    }
};

// A missing picture is none; StoreEmpty writes an unset picture as an empty
// one, otherwise it is left out.
template <Field<PicturePtr> F, bool StoreEmpty>
struct Image {
    static void Read(const PropertyBag& bag, const QString& key, Props& p)
    {
        p.*F = bag.ReadPicture(key);
    }
    static void Write(PropertyBag& bag, const QString& key, const Props& p)
    {
        if (StoreEmpty || p.*F)
            bag.WriteProperty(key, p.*F);
    }
};

constexpr StoredKey kKeys[] = {
    Entry<Int<&Props::buttonType, 2>>("BTYPE"),
    Entry<Caption>("TX"),
    Entry<Bool<&Props::enabled, true>>("ENAB"),
    Entry<Font>("FONT"),
    Entry<Int<&Props::colorScheme, 1>>("COLTYPE"),
    Entry<Bool<&Props::showFocusRect, true>>("FOCUSR"),
    Entry<Colour<&Props::backColor, kSystemButtonFace>>("BCOL"),
    Entry<Colour<&Props::backOver, 0, &Props::backColor>>("BCOLO"),
    Entry<Colour<&Props::foreColor, kSystemButtonText>>("FCOL"),
    Entry<Colour<&Props::foreOver, 0, &Props::foreColor>>("FCOLO"),
    Entry<Colour<&Props::maskColor, 0xC0C0C0>>("MCOL"),
    Entry<Short<&Props::mousePointer>>("MPTR"),
    Entry<Image<&Props::mouseIcon, true>>("MICON"),
    Entry<Image<&Props::pictureNormal, false>>("PICN"),
    Entry<Image<&Props::pictureOver, false>>("PICH"),
    Entry<Bool<&Props::useMaskColor, true>>("UMCOL"),
    Entry<Bool<&Props::softBevel, false>>("SOFT"),
    Entry<Int<&Props::picturePosition, 0>>("PICPOS"),
    Entry<Bool<&Props::useGreyscale, false>>("NGREY"),
    Entry<Int<&Props::specialEffect, 0>>("FX"),
    Entry<Bool<&Props::handPointer, false>>("HAND"),
    Entry<Bool<&Props::checkBoxBehaviour, false>>("CHECK"),
    Entry<Bool<&Props::value, false>>("VALUE"),
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

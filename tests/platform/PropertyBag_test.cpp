#include "PropertyBag.h"

#include <gtest/gtest.h>

TEST(PropertyBag, KeysIgnoreCaseAndAreStoredLowerCase)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("BrushStyle"), int32_t{3});
    EXPECT_TRUE(bag.Contains(QStringLiteral("brushstyle")));
    EXPECT_EQ(bag.ReadInt(QStringLiteral("BRUSHSTYLE"), 0), 3);
    ASSERT_EQ(bag.Keys().size(), 1u);
    EXPECT_EQ(bag.Keys()[0], QStringLiteral("brushstyle"));
    bag.WriteProperty(QStringLiteral("BRUSHSTYLE"), int32_t{5});
    EXPECT_EQ(bag.Entries().size(), 1u);
    EXPECT_EQ(bag.ReadInt(QStringLiteral("BrushStyle"), 0), 5);
}

TEST(PropertyBag, ValueEqualToTheDefaultIsNotStored)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Max"), int32_t{100}, int32_t{100});
    EXPECT_FALSE(bag.Contains(QStringLiteral("Max")));
    bag.WriteProperty(QStringLiteral("ShowText"), false, false);
    bag.WriteProperty(QStringLiteral("Image"), PicturePtr(), PicturePtr());
    EXPECT_TRUE(bag.Entries().empty());
    bag.WriteProperty(QStringLiteral("Max"), int32_t{50}, int32_t{100});
    EXPECT_EQ(bag.ReadInt(QStringLiteral("Max"), 100), 50);
    // Saving the default again removes the stale entry.
    bag.WriteProperty(QStringLiteral("Max"), int32_t{100}, int32_t{100});
    EXPECT_FALSE(bag.Contains(QStringLiteral("Max")));
    // Without a default everything is stored.
    bag.WriteProperty(QStringLiteral("TX"), QString());
    EXPECT_TRUE(bag.Contains(QStringLiteral("tx")));
}

TEST(PropertyBag, ReadsConvertLikeAHost)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("b"), true);
    bag.WriteProperty(QStringLiteral("d"), 2.5);
    bag.WriteProperty(QStringLiteral("big"), 1e12);
    bag.WriteProperty(QStringLiteral("s"), QStringLiteral("text"));
    bag.WriteProperty(QStringLiteral("i"), int32_t{0});
    EXPECT_EQ(bag.ReadInt(QStringLiteral("b"), 7), -1);
    EXPECT_EQ(bag.ReadInt(QStringLiteral("d"), 7), 2); // half to even
    EXPECT_EQ(bag.ReadInt(QStringLiteral("big"), 7), 7);
    EXPECT_FALSE(bag.TryReadInt(QStringLiteral("s")).has_value());
    EXPECT_EQ(bag.ReadInt(QStringLiteral("missing"), 4), 4);
    EXPECT_FALSE(bag.ReadBool(QStringLiteral("i"), true));
    EXPECT_EQ(bag.ReadString(QStringLiteral("s"), QString()), QStringLiteral("text"));
    EXPECT_EQ(bag.ReadFont(QStringLiteral("s"), FontObject::Default()), FontObject::Default());
}

TEST(PropertyBag, KeepsFirstWriteOrder)
{
    PropertyBag bag;
    for (const char* k : {"Font", "BrushStyle", "Color", "Max"})
        bag.WriteProperty(QString::fromLatin1(k), int32_t{1});
    bag.WriteProperty(QStringLiteral("brushstyle"), int32_t{2});
    const std::vector<QString> want{QStringLiteral("font"), QStringLiteral("brushstyle"),
                                    QStringLiteral("color"), QStringLiteral("max")};
    EXPECT_EQ(bag.Keys(), want);
}

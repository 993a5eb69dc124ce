#include "AccessKey.h"
#include "ButtonAccessible.h"

#include <gtest/gtest.h>

TEST(ButtonAccessKey, FollowsTheAmpersandRules)
{
    struct Case {
        const char* caption;
        QChar key;
    } cases[] = {
        {"&Start", QLatin1Char('s')},
        {"Br&owse...", QLatin1Char('o')},
        {"Save && Exit", QChar()},          // one doubled pair only
        {"Fish && &Chips", QLatin1Char('c')},
        {"&&&Go", QLatin1Char('g')},
        {"A && B && &C", QChar()},          // only one more ampersand is looked at
        {"Clear&", QChar()},                // trailing ampersand
        {"&", QChar()},
        {"&&", QChar()},
        {"Out&&", QChar()},
        {"", QChar()},
        {"No key", QChar()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(button::AccessKeyOf(QString::fromLatin1(c.caption)), c.key) << c.caption;
}

TEST(ButtonAccessKey, SpokenNameDropsTheMarks)
{
    EXPECT_EQ(button::CaptionWithoutAccessMarks(QStringLiteral("&Start")), QStringLiteral("Start"));
    EXPECT_EQ(button::CaptionWithoutAccessMarks(QStringLiteral("Fish && &Chips")),
              QStringLiteral("Fish & Chips"));
    EXPECT_EQ(button::CaptionWithoutAccessMarks(QStringLiteral("Browse...")), QStringLiteral("Browse..."));
    // The name says what the button shows: a trailing "&" is drawn literally.
    EXPECT_EQ(button::CaptionWithoutAccessMarks(QStringLiteral("Save &")), QStringLiteral("Save &"));
}

#include "ArchiveName.h"
#include "UserMessage.h"

#include <gtest/gtest.h>

TEST(ArchiveName, ProposalFromExtensionRowAndDate)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    struct Case {
        const char* row;
        QDate date;
        const char* expected;
    } cases[] = {
        {"jpg", QDate(2026, 12, 6), "JPG ZIP Archive Dec 6 2026"},
        {"All (*.*)", QDate(2027, 1, 1), "ALL ZIP Archive Jan 1 2027"},
        {"3gpp", QDate(2026, 5, 31), "3GPP ZIP Archive May 31 2026"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ArchiveName::Propose(QString::fromUtf8(c.row), c.date, english).toStdString(), c.expected);
}

TEST(ArchiveName, ProposalUsesTheLocalesMonthAbbreviation)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const QString month = german.monthName(3, QLocale::ShortFormat);
    EXPECT_NE(month, QStringLiteral("Mar"));
    EXPECT_EQ(ArchiveName::Propose(QStringLiteral("pdf"), QDate(2026, 3, 9), german),
              QStringLiteral("PDF ZIP Archive %1 9 2026").arg(month));
}

TEST(ArchiveName, RefusesNamesThatCannotBeAFolderAndFileName)
{
    const QString refused[] = {
        QString(),
        QStringLiteral("   "),
        QStringLiteral("\t "),
        QStringLiteral("."),
        QStringLiteral(".."),
        QStringLiteral("a/b"),
        QStringLiteral("/"),
        QStringLiteral("a\nb"),
        QStringLiteral("a\rb"),
        QStringLiteral("a") + QChar(0) + QStringLiteral("b"),
        QString(252, QLatin1Char('a')),
        QString(126, QChar(0x00e9)),  // 252 bytes in UTF-8
    };
    for (const QString& name : refused) {
        const Status problem = ArchiveName::Check(name);
        ASSERT_FALSE(problem.ok()) << name.toStdString();
        EXPECT_FALSE(UserMessage::For(problem.failure()).text.isEmpty());
    }
}

TEST(ArchiveName, AcceptsWhatLinuxAllows)
{
    const QString accepted[] = {
        QStringLiteral("ALL (*.*) ZIP Archive Dec 6 2026"),
        QStringLiteral("*"),
        QStringLiteral("a:b?c\\d"),
        QStringLiteral("..."),
        QStringLiteral(" leading and trailing "),
        QStringLiteral("name.zip"),
        QStringLiteral(".hidden"),
        QString(251, QLatin1Char('a')),
        QString(125, QChar(0x00e9)) + QLatin1Char('a'),  // 251 bytes
    };
    for (const QString& name : accepted)
        EXPECT_TRUE(ArchiveName::Check(name).ok()) << name.toStdString();
}

// What a FAT, exFAT or NTFS drive refuses never reaches the proposed name,
// whatever a translation or a month's abbreviation brings.
TEST(ArchiveName, ProposalsKeepOffWhatWindowsDrivesRefuse)
{
    struct Case {
        const char* given;
        const char* safe;
    };
    const Case cases[] = {
        {"JPG ZIP Archive Dec 6 2026", "JPG ZIP Archive Dec 6 2026"},
        {"Archive ZIP : JPG", "Archive ZIP JPG"},
        {"a*b?c\"d<e>f|g\\h/i:j", "a b c d e f g h i j"},
        {"tab\there", "tab here"},
        {"ends with dots...", "ends with dots"},
        {"ends with space and dot . ", "ends with space and dot"},
        {"  leading", "leading"},
        {"6 дек. 2026", "6 дек. 2026"},  // a dot inside is allowed
    };
    for (const Case& c : cases)
        EXPECT_EQ(ArchiveName::DriveSafe(QString::fromUtf8(c.given)), QString::fromUtf8(c.safe)) << c.given;
    // A month ending in a dot at the end of a pattern: the name does not end in it.
    const QLocale german(QLocale::German);
    const QString name = ArchiveName::Propose(QStringLiteral("jpg"), QDate(2026, 12, 6), german);
    EXPECT_FALSE(name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' '))) << name.toStdString();
}

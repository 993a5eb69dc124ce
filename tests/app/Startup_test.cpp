#include "Startup.h"

#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

namespace {

TEST(Startup, StoredFontFamiliesAreSubstitutedWithFamiliesOfThisDesktop)
{
    Startup::SetUpFonts();
    EXPECT_FALSE(QFont::substitutes(QStringLiteral("MS Sans Serif")).isEmpty());
    const QStringList serif = QFont::substitutes(QStringLiteral("Cambria"));
    EXPECT_TRUE(serif.contains(QStringLiteral("Caladea"), Qt::CaseInsensitive));
    EXPECT_TRUE(serif.contains(QStringLiteral("DejaVu Serif"), Qt::CaseInsensitive));
    EXPECT_FALSE(QFont::substitutes(QStringLiteral("Arial Black")).isEmpty());
    // Lookups ignore case, as the stored names may be written either way.
    EXPECT_EQ(QFont::substitutes(QStringLiteral("cambria")), serif);
}

TEST(Startup, NamesFixThePerUserFolders)
{
    const QString app = QApplication::applicationName();
    const QString org = QApplication::organizationName();
    Startup::SetUpNames();
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Volarin Z"));
    EXPECT_EQ(QApplication::organizationName(), QStringLiteral("Volarin"));
    QApplication::setApplicationName(app);
    QApplication::setOrganizationName(org);
}

} // namespace

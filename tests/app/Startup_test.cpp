#include "Startup.h"

#include <QFont>
#include <QStringList>
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

} // namespace

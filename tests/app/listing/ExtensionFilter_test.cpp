#include "AppFixture.h"
#include "ExtensionList.h"

namespace {

struct MatchCase {
    const char* row;
    const char* path;
    bool matches;
};

const MatchCase kMatchCases[] = {
    {"docx", "/d/a.docx", true},
    {"docx", "/d/B.DOCX", true},
    {"docx", "/d/a.doc", false},
    {"doc", "/d/a.docx", false},
    {"c", "/d/main.c", true},
    {"c", "/d/x.doc", false},
    {"ai", "/d/logo.ai", true},
    {"ai", "/d/x.mai", false},
    {"torrent", "/d/film.torrent", true},
    {"jpg", "/d/photo.jpeg", false},
    {"jpeg", "/d/photo.jpg", false},
    {"jpg", "/d/noext", false},
    {"jpg", "/d.jpg/noext", false},   // a dot in the folder is no extension
    {"gz", "/d/a.tar.gz", true},      // the last dot counts
    {"tar", "/d/a.tar.gz", false},
    {"bashrc", "/d/.bashrc", true},   // a dot-name's extension is the rest of it
    {"", "/d/a.", false},             // no selected row matches nothing
    {"All (*.*)", "/d/a.All (*.*)", false},
    {"kml", "/d/map.\xE2\x84\xAAml", true},  // KELVIN SIGN lower-cases to ASCII "k"
    {"kml", "/d/map.kml\xC3\xA9", false},
    {"jpg", "/d/x.JPg", true},
    {"jpg", "x.jpg", true},                   // a bare name
};

TEST(ExtensionMatches, ComparesTheLowerCasedLastExtension)
{
    for (const MatchCase& c : kMatchCases)
        EXPECT_EQ(ExtensionList::Matches(c.path, QString::fromUtf8(c.row)), c.matches) << c.row << " / " << c.path;
}

TEST(ExtensionMatches, LowerCasesBeyondAscii)
{
    EXPECT_EQ(ExtensionList::LowerExtension("/d/x.\xC3\x89T\xC3\x89"), "\xC3\xA9t\xC3\xA9"); // ÉTÉ
    EXPECT_EQ(ExtensionList::LowerExtension("/d/x.\xff"), "\xef\xbf\xbd"); // invalid byte: never a row
}

class ExtensionListTest : public AppTest {};

TEST_F(ExtensionListTest, Combo1HoldsTheSortedVocabularyWithAllAt14AndJpgAt81)
{
    QComboBox* combo = form->extensionList();
    ASSERT_EQ(combo->count(), 174);
    const QStringList first = {"264", "3fr", "3g2", "3ga", "3gp", "3gpp", "7z", "aac",
                               "ac3", "accdb", "ai", "aifc", "aiff", "ait", "All (*.*)", "arw"};
    for (int i = 0; i < first.size(); ++i)
        EXPECT_EQ(combo->itemText(i), first[i]) << i;
    EXPECT_EQ(combo->itemText(ExtensionList::kAllRowIndex), ExtensionList::kAllRow);
    EXPECT_EQ(combo->itemText(81), QStringLiteral("jpg"));
    for (int i = 1; i < combo->count(); ++i)
        EXPECT_FALSE(ExtensionList::SortsBefore(combo->itemText(i), combo->itemText(i - 1))) << i;
    QStringList rows;
    for (int i = 0; i < combo->count(); ++i)
        rows << combo->itemText(i);
    EXPECT_EQ(rows.removeDuplicates(), 0);
}

// A scan filters with the row selected at that moment; with no row selected
// nothing passes.
TEST_F(ExtensionListTest, ScanUsesTheRowSelectedAtThatMoment)
{
    const std::string folder = Folder("d", {"a.JPG", "a.pdf", "a."});
    EXPECT_EQ(form->ScanFolder(folder + "/").added, 1);
    EXPECT_EQ(Row(0).name(), "a.JPG");
    Select("pdf");
    EXPECT_EQ(form->ScanFolder(folder + "/").added, 1);
    EXPECT_EQ(Row(0).name(), "a.pdf");
    form->extensionList()->setCurrentIndex(-1);
    EXPECT_EQ(form->extensionList()->currentText(), QString());
    EXPECT_EQ(form->ScanFolder(folder + "/").added, 0);
}

TEST(TrailingSlash, AppendsOneSlashOnlyWhenMissing)
{
    EXPECT_EQ(MainWindow::TrailingSlash(""), "");
    EXPECT_EQ(MainWindow::TrailingSlash("/home/u"), "/home/u/");
    EXPECT_EQ(MainWindow::TrailingSlash("/home/u/"), "/home/u/");
    EXPECT_EQ(MainWindow::TrailingSlash("/"), "/");
}

} // namespace

#include "AppFixture.h"
#include "FolderPicker.h"
#include "OutputNameDialog.h"
#include "Unprivileged.h"
#include "chameleonButton.h"

#include <QLineEdit>
#include <QTest>

namespace {

const QString kMessageA = QStringLiteral(" No File Found. Please try again.");

class BrowseTest : public AppTest {
protected:
    void Browse(const std::string& answer)
    {
        shell.folderAnswers.push_back(answer);
        QTest::mouseClick(form->browseButton(), Qt::LeftButton); // the real button
        WaitForListing();
    }

    void ExpectOneMessage(const QString& text)
    {
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_EQ(shell.messages[0].text, text);
        EXPECT_EQ(shell.messages[0].title, QStringLiteral("Error"));
        EXPECT_EQ(shell.messages[0].icon, Shell::Icon::Information);
    }
};

TEST_F(BrowseTest, CancelChangesNothing)
{
    form->folderField()->setText("previous");
    Browse("");
    ASSERT_EQ(shell.browseCalls.size(), 1u);
    EXPECT_EQ(shell.browseCalls[0].title, QStringLiteral("Volarin Z - Please select a folder."));
    EXPECT_EQ(shell.browseCalls[0].initialFolder.back(), '/');
    EXPECT_EQ(form->folderField()->text(), QStringLiteral("previous"));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(RowCount(), 0);
}

TEST_F(BrowseTest, FoundFilesAreListedAndTheFolderShown)
{
    const std::string folder = Folder("photos", {"a.jpg", "b.jpg", "c.txt"});
    form->startButton()->SetEnabled(true);
    Browse(folder);
    EXPECT_EQ(form->folderField()->text(), QString::fromStdString(folder));
    EXPECT_EQ(RowCount(), 2);
    EXPECT_TRUE(Row(0).checked);
    EXPECT_EQ(Row(0).fullPath.substr(0, folder.size() + 1), folder + "/");
    EXPECT_FALSE(form->startButton()->Enabled());
    EXPECT_TRUE(form->clearButton()->Enabled());
    EXPECT_TRUE(form->outputButton()->Enabled());
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(BrowseTest, MessageAForAllFilesWhenOnlyThumbsDbIsThere)
{
    Select("All (*.*)");
    Browse(Folder("thumbs", {"Thumbs.db"}));
    ExpectOneMessage(kMessageA);
    EXPECT_TRUE(form->folderField()->text().isEmpty());
    EXPECT_FALSE(form->clearButton()->Enabled());
    EXPECT_FALSE(form->outputButton()->Enabled());
}

TEST_F(BrowseTest, MessageBNamesTheExtensionInUpperCase)
{
    Select("pdf");
    Browse(Folder("nopdf", {"a.txt"}));
    ExpectOneMessage(QStringLiteral(" No PDF Files Found. Please try again."));
    EXPECT_TRUE(form->folderField()->text().isEmpty());

    shell.messages.clear();
    Select("jpg");
    Browse((temp.path() / "vanished").string()); // a folder that is not there finds nothing
    ExpectOneMessage(QStringLiteral(" No JPG Files Found. Please try again."));
}

TEST_F(BrowseTest, NothingAddedToAListWithRowsRefreshesItThenShowsMessageA)
{
    Browse(Folder("first", {"a.jpg"}));
    Files()->setData(Files()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
    form->startButton()->SetEnabled(true);
    shell.messages.clear();

    Select("pdf"); // message A even though a row other than "All" is selected
    Browse(Folder("second", {"b.jpg"}));
    ExpectOneMessage(kMessageA);
    EXPECT_EQ(RowCount(), 1);
    EXPECT_TRUE(Row(0).checked);
    EXPECT_FALSE(form->startButton()->Enabled());
    EXPECT_TRUE(form->clearButton()->Enabled());
    EXPECT_TRUE(form->folderField()->text().isEmpty());
}

// Root reads any folder, so as root the test runs again as nobody.
TEST_F(BrowseTest, AFolderThatCannotBeReadSaysSoInsteadOfNothingFound)
{
    VOLARIN_RUN_AS_NOBODY_WHEN_ROOT();
    const std::string locked = Folder("locked", {"secret.jpg"});
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    const QString unreadable = QString::fromStdString("The folder \"" + locked + "\" cannot be read: Permission denied.");

    Browse(locked);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].text, unreadable);
    EXPECT_TRUE(form->folderField()->text().isEmpty());
    EXPECT_FALSE(form->outputButton()->Enabled());

    // With rows listed already, the list is refreshed and the same message shown.
    shell.messages.clear();
    Browse(Folder("photos", {"a.jpg"}));
    Files()->setData(Files()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
    Browse(locked);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].text, unreadable);
    EXPECT_TRUE(Row(0).checked);
    EXPECT_TRUE(form->folderField()->text().isEmpty());
}

TEST_F(BrowseTest, SpacesAroundThePathAreTrimmedUnlessTheFolderIsNamedSo)
{
    const std::string plain = Folder("plain", {"p.jpg"});
    Browse("  " + plain + " ");
    EXPECT_EQ(form->folderField()->text(), QString::fromStdString(plain));
    EXPECT_EQ(RowCount(), 1);

    const std::string spaced = Folder("spaced ", {"s.jpg"});
    Browse(spaced);
    EXPECT_EQ(form->folderField()->text(), QString::fromStdString(spaced));
    EXPECT_EQ(RowCount(), 2);
    EXPECT_EQ(Row(0).fullPath, spaced + "/s.jpg");
}

TEST_F(BrowseTest, PickerStartsInDocumentsThenHomeThenRoot)
{
    const QByteArray savedHome = qgetenv("HOME");
    const auto home = temp.path() / "home";
    std::filesystem::create_directories(home);
    qputenv("HOME", QByteArray::fromStdString(home.string()));
    EXPECT_EQ(FolderPicker::DocumentsFolder(), home.string() + "/");
    std::filesystem::create_directories(home / "Documents");
    EXPECT_EQ(FolderPicker::DocumentsFolder(), (home / "Documents").string() + "/");
    Browse("");
    EXPECT_EQ(shell.browseCalls.back().initialFolder, (home / "Documents").string() + "/");

    qputenv("HOME", QByteArray::fromStdString((temp.path() / "nohome").string()));
    EXPECT_EQ(FolderPicker::DocumentsFolder(), "");
    Browse("");
    EXPECT_EQ(shell.browseCalls.back().initialFolder, "/");
    qputenv("HOME", savedHome);
}

// Both pickers, Browse's and the Output dialog's, open in the folder of the
// "Folder last browsed" box; where it is empty or gone, in the documents folder.
TEST_F(BrowseTest, PickersOpenInTheFolderLastBrowsed)
{
    const std::string documents = FolderPicker::DocumentsFolder().empty() ? "/" : FolderPicker::DocumentsFolder();
    const std::string photos = Folder("photos", {"a.jpg"});
    const std::string gone = Folder("gone", {});
    Browse(photos);  // a row is listed, so Output is enabled
    std::filesystem::remove(gone);
    const struct Case {
        std::string box;
        std::string opensIn;
    } cases[] = {
        {photos, photos + "/"},
        {photos + "/", photos + "/"},
        {gone, documents},
        {"", documents},
    };
    for (const Case& c : cases) {
        form->folderField()->setText(QString::fromStdString(c.box));
        Browse("");
        EXPECT_EQ(shell.browseCalls.back().initialFolder, c.opensIn) << c.box;
        QTest::mouseClick(form->outputButton(), Qt::LeftButton);
        ASSERT_NE(form->outputDialog(), nullptr);
        QTest::mouseClick(form->outputDialog()->okButton(), Qt::LeftButton);  // the picker answers Cancel
        EXPECT_EQ(shell.browseCalls.back().initialFolder, c.opensIn) << c.box;
    }
    EXPECT_EQ(shell.browseCalls.size(), 1 + 2 * std::size(cases));
}

} // namespace

// The whole zip workflow through the real windows: scan with Browse, Output,
// OK, Start, the run to its end, and the archive read back by unzip and
// Python. Only the folder picker and the message boxes are fakes.
#include "AppFixture.h"

#include "ArchiveName.h"
#include "ArchiveReader.h"
#include "ClickLabel.h"
#include "Form2.h"
#include "HelpPage.h"
#include "Module1.h"
#include "StagingArea.h"
#include "Unprivileged.h"
#include "ZipWorkflow.h"
#include "Zipper.h"
#include "chameleonButton.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string randomBytes(size_t n, unsigned seed)
{
    std::mt19937 gen(seed);
    std::string s(n, '\0');
    for (char& c : s)
        c = static_cast<char>(gen());
    return s;
}

class WorkflowTest : public AppTest {
protected:
    WorkflowTest()
    {
        fs::create_directories(out);
        flow().SetStagingRoot(root);
    }

    ZipWorkflow& flow() { return form->Workflow(); }
    chameleonButton* start() { return form->chameleonButton1(); }
    chameleonButton* output() { return form->chameleonButton3(); }

    // Browse... with the picker answering `folder`.
    void Scan(const fs::path& folder)
    {
        shell.folderAnswers.push_back(folder.string());
        QTest::mouseClick(form->chameleonButton5(), Qt::LeftButton);
    }

    // Output, then the dialog's OK with `name` typed and `where` picked.
    void Confirm(const QString& name, const fs::path& where)
    {
        OpenOutput();
        Form2* dialog = flow().OutputDialog();
        ASSERT_NE(dialog, nullptr);
        dialog->Text2()->setText(name);
        shell.folderAnswers.push_back(where.string());
        QTest::mouseClick(dialog->chameleonButton1(), Qt::LeftButton);
    }
    void Confirm(const QString& name) { Confirm(name, out); }

    void OpenOutput()
    {
        ASSERT_TRUE(output()->Enabled());
        QTest::mouseClick(output(), Qt::LeftButton);
    }

    // Start, then the event loop until the run has ended. False when no run
    // started or it did not end in time.
    bool StartAndWait()
    {
        QSignalSpy finished(&flow(), &ZipWorkflow::RunFinished);
        QTest::mouseClick(start(), Qt::LeftButton);
        if (!flow().zipper().Zipping())
            return false;
        return finished.wait(60000);
    }

    std::map<std::string, std::string> Entries(const fs::path& archive)
    {
        const UnzipCheck check = unzipTest(archive);
        EXPECT_TRUE(check.ok) << check.output;
        const PyZipRead read = pythonReadZip(archive);
        EXPECT_TRUE(read.ok) << read.error;
        return read.entries;
    }

    std::vector<QString> Messages() const
    {
        std::vector<QString> texts;
        for (const FakeShell::Message& m : shell.messages)
            texts.push_back(m.text);
        return texts;
    }

    fs::path root = temp.path() / "cache" / "staging";
    fs::path out = temp.path() / "out";
};

}  // namespace

TEST_F(WorkflowTest, ScanNameStartGivesTheArchive)
{
    const std::string a = randomBytes(300000, 1), b = randomBytes(1500000, 2);
    temp.write("photos/a.jpg", a);
    temp.write("photos/b.JPG", b);
    temp.write("photos/notes.txt", "not a photo");
    temp.write("photos/.hidden.jpg", "hidden");
    temp.write("photos/empty.jpg", "");
    Scan(temp.path() / "photos");
    ASSERT_EQ(form->RowCount(), 4);

    OpenOutput();
    const QString proposal = flow().OutputDialog()->Text2()->text();
    EXPECT_EQ(proposal, ArchiveName::Propose(QStringLiteral("jpg"), QDate::currentDate()));
    QTest::mouseClick(flow().OutputDialog()->chameleonButton2(), Qt::LeftButton);
    EXPECT_FALSE(start()->Enabled());

    Confirm(proposal);
    ASSERT_TRUE(start()->Enabled()) << shell.messages.size();
    const fs::path staging = root / ArchiveName::ToBytes(proposal);
    EXPECT_EQ(Module1::StagingFolder, staging.string());
    EXPECT_EQ(Module1::OutputBase, (out / ArchiveName::ToBytes(proposal)).string());

    QSignalSpy progress(&flow().zipper(), &Zipper::Progress);
    ASSERT_TRUE(StartAndWait());
    EXPECT_FALSE(start()->Enabled());
    EXPECT_FALSE(output()->Enabled());
    EXPECT_TRUE(form->prgZip()->isVisibleTo(form.get()));
    EXPECT_TRUE(form->Label2()->isVisibleTo(form.get()));
    EXPECT_EQ(form->Label2()->text(), QStringLiteral("100%"));
    EXPECT_GE(progress.count(), 13);  // 300000 + 1500000 bytes in 128 KiB chunks

    const auto entries = Entries(out / (ArchiveName::ToBytes(proposal) + ".zip"));
    // The hidden file was copied but is not zipped; neither is the staging marker.
    EXPECT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries.at("a.jpg"), a);
    EXPECT_EQ(entries.at("b.JPG"), b);
    EXPECT_EQ(entries.at("empty.jpg"), "");
    EXPECT_TRUE(fs::exists(staging / ".hidden.jpg"));
    EXPECT_TRUE(shell.messages.empty()) << Messages().front().toStdString();
}

// On Linux the "All (*.*)" proposal is a usable name.
TEST_F(WorkflowTest, AllFilesProposalMakesAnArchive)
{
    Select(QStringLiteral("All (*.*)"));
    temp.write("mixed/a.txt", "a");
    temp.write("mixed/b", "b");
    Scan(temp.path() / "mixed");
    OpenOutput();
    const QString proposal = flow().OutputDialog()->Text2()->text();
    EXPECT_TRUE(proposal.startsWith(QStringLiteral("ALL (*.*) ZIP Archive "))) << proposal.toStdString();
    Confirm(proposal);
    ASSERT_TRUE(StartAndWait());
    const auto entries = Entries(out / (ArchiveName::ToBytes(proposal) + ".zip"));
    EXPECT_EQ(entries, (std::map<std::string, std::string>{{"a.txt", "a"}, {"b", "b"}}));
}

TEST_F(WorkflowTest, OutputAgainKeepsTheTypedNameUntilCancel)
{
    Folder("p", {"x.jpg"});
    Scan(temp.path() / "p");
    Confirm(QStringLiteral("Typed name"));
    OpenOutput();
    EXPECT_EQ(flow().OutputDialog()->Text2()->text(), QStringLiteral("Typed name"));
    QTest::keyClick(flow().OutputDialog()->Text2(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(flow().OutputDialog(), nullptr);
    OpenOutput();
    EXPECT_EQ(flow().OutputDialog()->Text2()->text(),
              ArchiveName::Propose(QStringLiteral("jpg"), QDate::currentDate()));
}

// Two files of one name: one entry, holding the later row of List1's copy.
TEST_F(WorkflowTest, SameNamedFilesGiveOneEntryOfTheLaterCopy)
{
    Select(QStringLiteral("txt"));
    temp.write("a/x.txt", "from a");
    temp.write("b/x.txt", "from b");
    temp.write("b/y.txt", "y");
    Scan(temp.path() / "a");
    Scan(temp.path() / "b");
    Confirm(QStringLiteral("dups"));
    ASSERT_TRUE(StartAndWait());
    ASSERT_EQ(form->List1().size(), 3u);
    const std::string later = readFileBytes(form->List1().back());
    const auto entries = Entries(out / "dups.zip");
    EXPECT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries.at("x.txt"), later);
    // The later copy is the row further down the list, from the folder added
    // first (the help page says so).
    EXPECT_EQ(entries.at("x.txt"), "from a");
    EXPECT_EQ(entries.at("y.txt"), "y");
}

// List1 is not emptied by a run: the second run zips the first selection again.
TEST_F(WorkflowTest, SecondRunWithoutClearZipsTheEarlierSelectionToo)
{
    Select(QStringLiteral("txt"));
    temp.write("one/1.txt", "1");
    Scan(temp.path() / "one");
    Confirm(QStringLiteral("first"));
    ASSERT_TRUE(StartAndWait());
    EXPECT_EQ(Entries(out / "first.zip").size(), 1u);

    temp.write("two/2.txt", "2");
    Scan(temp.path() / "two");
    Confirm(QStringLiteral("second"));
    ASSERT_TRUE(StartAndWait());
    EXPECT_EQ(form->List1().size(), 3u);
    EXPECT_EQ(Entries(out / "second.zip"),
              (std::map<std::string, std::string>{{"1.txt", "1"}, {"2.txt", "2"}}));
    // Confirming the same name again empties that staging folder first.
    Scan(temp.path() / "two");
    Confirm(QStringLiteral("second"));
    EXPECT_FALSE(fs::exists(root / "second" / "1.txt"));
}

TEST_F(WorkflowTest, NameEndingInZipGivesZipZip)
{
    Folder("p", {"x.jpg"});
    Scan(temp.path() / "p");
    Confirm(QStringLiteral("photos.zip"));
    ASSERT_TRUE(StartAndWait());
    EXPECT_TRUE(fs::is_regular_file(out / "photos.zip.zip"));
    EXPECT_FALSE(fs::exists(out / "photos.zip"));
}

// Closing the window deletes every staging folder this process made and
// nothing else: not the root, not a folder it did not make, not the sources,
// not the archive.
TEST_F(WorkflowTest, ClosingDeletesTheStagingFoldersAndNothingElse)
{
    const fs::path foreign = temp.write("cache/staging/foreign/keep.txt", "keep");
    const fs::path beside = temp.write("cache/beside.txt", "beside");
    temp.write("p/x.jpg", "photo");
    Scan(temp.path() / "p");
    Confirm(QStringLiteral("first name"));
    Scan(temp.path() / "p");
    Confirm(QStringLiteral("second name"));
    ASSERT_TRUE(StartAndWait());
    ASSERT_TRUE(fs::exists(root / "first name"));
    ASSERT_TRUE(fs::exists(root / "second name" / "x.jpg"));

    form->close();
    EXPECT_FALSE(fs::exists(root / "first name"));
    EXPECT_FALSE(fs::exists(root / "second name"));
    EXPECT_TRUE(fs::is_directory(root));
    EXPECT_EQ(readFileBytes(foreign), "keep");
    EXPECT_EQ(readFileBytes(beside), "beside");
    EXPECT_EQ(readFileBytes(temp.path() / "p" / "x.jpg"), "photo");
    EXPECT_TRUE(fs::exists(out / "second name.zip"));
    EXPECT_TRUE(shell.messages.empty());
}

// Closing during a run stops it without an Error or a message, then deletes
// the staging folder; no half-written archive stays.
TEST_F(WorkflowTest, ClosingDuringARunStopsItFirst)
{
    temp.write("big/big.jpg", randomBytes(12 * 1024 * 1024, 5));
    Scan(temp.path() / "big");
    Confirm(QStringLiteral("big"));
    QSignalSpy errors(&flow().zipper(), &Zipper::Error);
    QSignalSpy progress(&flow().zipper(), &Zipper::Progress);
    QTest::mouseClick(start(), Qt::LeftButton);
    ASSERT_TRUE(flow().zipper().Zipping());
    ASSERT_TRUE(progress.wait(10000));
    form->close();
    EXPECT_FALSE(flow().zipper().Zipping());
    QTest::qWait(50);
    EXPECT_EQ(errors.count(), 0);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_FALSE(fs::exists(root / "big"));
    EXPECT_TRUE(fs::is_empty(out)) << "half-written archive left behind";
}

// While a run reads its staging folder, OK with that same name is refused.
TEST_F(WorkflowTest, OkWithTheRunningNameIsRefused)
{
    temp.write("big/big.jpg", randomBytes(8 * 1024 * 1024, 6));
    Scan(temp.path() / "big");
    Confirm(QStringLiteral("running"));
    QSignalSpy finished(&flow(), &ZipWorkflow::RunFinished);
    QTest::mouseClick(start(), Qt::LeftButton);
    ASSERT_TRUE(flow().zipper().Zipping());

    Scan(temp.path() / "big");  // a scan enables Output again
    Confirm(QStringLiteral("running"));
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_TRUE(shell.messages[0].text.contains(QStringLiteral("being zipped")));
    EXPECT_TRUE(fs::exists(root / "running" / "big.jpg"));

    // The refused name left Start as it was; a different name enables it,
    // but a second run waits for the first.
    Confirm(QStringLiteral("next"));
    const size_t listed = form->List1().size();
    QTest::mouseClick(start(), Qt::LeftButton);
    ASSERT_EQ(shell.messages.size(), 2u);
    EXPECT_TRUE(shell.messages[1].text.contains(QStringLiteral("running.zip")));
    EXPECT_EQ(form->List1().size(), listed);

    ASSERT_TRUE(finished.wait(60000));
    EXPECT_EQ(finished.at(0).at(0).toBool(), true);
    EXPECT_EQ(Entries(out / "running.zip").size(), 1u);
}

// A file that vanished between the scan and Start is left out, the run goes
// on with the rest, and one message after the run names it and why. With
// nothing left to copy no run starts.
TEST_F(WorkflowTest, FilesThatCannotBeCopiedAreListedAfterTheRun)
{
    temp.write("p/keep.jpg", "keep");
    temp.write("p/gone.jpg", "gone");
    Scan(temp.path() / "p");
    Confirm(QStringLiteral("partial"));
    fs::remove(temp.path() / "p" / "gone.jpg");
    ASSERT_TRUE(StartAndWait());
    EXPECT_EQ(Entries(out / "partial.zip"), (std::map<std::string, std::string>{{"keep.jpg", "keep"}}));
    ASSERT_EQ(shell.messages.size(), 1u);
    const QString text = shell.messages[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("gone.jpg"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("No such file or directory"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("partial.zip"))) << text.toStdString();

    shell.messages.clear();
    form->ClearLists();
    temp.write("q/only.jpg", "only");
    Scan(temp.path() / "q");
    Confirm(QStringLiteral("nothing"));
    fs::remove(temp.path() / "q" / "only.jpg");
    EXPECT_FALSE(StartAndWait());
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_TRUE(shell.messages[0].text.contains(QStringLiteral("No file could be copied")));
    EXPECT_FALSE(fs::exists(out / "nothing.zip"));
}

// Root reads every file, so as root the test runs again as nobody.
TEST_F(WorkflowTest, UnreadableSourceAsOrdinaryUser)
{
    VOLARIN_RUN_AS_NOBODY_WHEN_ROOT();
    temp.write("p/ok.jpg", "ok");
    const fs::path secret = temp.write("p/secret.jpg", "secret");
    Scan(temp.path() / "p");
    Confirm(QStringLiteral("unreadable"));
    ::chmod(secret.c_str(), 0);
    ASSERT_TRUE(StartAndWait());
    EXPECT_EQ(Entries(out / "unreadable.zip"), (std::map<std::string, std::string>{{"ok.jpg", "ok"}}));
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_TRUE(shell.messages[0].text.contains(QStringLiteral("Permission denied")));
}

// A run that cannot write its archive says so, naming it and the reason.
TEST_F(WorkflowTest, ArchiveThatCannotBeWrittenIsReported)
{
    temp.write("p/x.jpg", "x");
    Scan(temp.path() / "p");
    Confirm(QStringLiteral("lost"));
    fs::remove_all(out);
    EXPECT_FALSE(StartAndWait());
    EXPECT_FALSE(form->prgZip()->isVisibleTo(form.get()));
    ASSERT_EQ(shell.messages.size(), 1u);
    const QString text = shell.messages[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("lost.zip"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("No such file or directory"))) << text.toStdString();
    EXPECT_FALSE(start()->Enabled());
}

// Entries and bytes left in the Zipper by an earlier queuing that stopped
// half-way never ride along with the next run: not in the archive, not in
// the percentage.
TEST_F(WorkflowTest, LeftoversOfAnEarlierQueuingDoNotRideAlong)
{
    const fs::path leftover = temp.write("elsewhere/leftover.jpg", randomBytes(400000, 7));
    ASSERT_FALSE(flow().zipper().AddFile(leftover));
    ASSERT_EQ(flow().zipper().BytesToZip(), 400000);

    temp.write("q/b.jpg", "b");
    Scan(temp.path() / "q");
    Confirm(QStringLiteral("queue"));
    QStringList captions;
    QObject::connect(&flow().zipper(), &Zipper::Progress, form.get(),
                     [&] { captions << form->Label2()->text(); });
    ASSERT_TRUE(StartAndWait());
    EXPECT_EQ(Entries(out / "queue.zip"), (std::map<std::string, std::string>{{"b.jpg", "b"}}));
    EXPECT_EQ(captions, QStringList{QStringLiteral("100%")});
    EXPECT_TRUE(shell.messages.empty());
}

TEST(WorkflowPercent, RoundsToNearestWithTiesToEven)
{
    struct Case {
        int64_t zipped, total;
        int percent;
    } cases[] = {
        {0, 100, 0}, {1, 200, 0}, {3, 200, 2}, {5, 200, 2}, {199, 200, 100}, {131072, 30 * 1048576, 0},
        {100, 100, 100}, {int64_t(3) << 32, int64_t(6) << 32, 50}, {0, 0, 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZipWorkflow::Percent(c.zipped, c.total), c.percent) << c.zipped << "/" << c.total;
}

// The first chunk of a run over 25 MiB is under half a percent: the label
// shows 0%, not 100%.
TEST_F(WorkflowTest, PercentageShowsTheTrueValueFromTheStart)
{
    temp.write("big/big.jpg", randomBytes(30 * 1024 * 1024, 9));
    Scan(temp.path() / "big");
    Confirm(QStringLiteral("percent"));
    QStringList captions;
    QObject::connect(&flow().zipper(), &Zipper::Progress, form.get(),
                     [&] { captions << form->Label2()->text(); });
    ASSERT_TRUE(StartAndWait());
    ASSERT_FALSE(captions.isEmpty());
    EXPECT_EQ(captions.front(), QStringLiteral("0%"));
    EXPECT_EQ(captions.back(), QStringLiteral("100%"));
    EXPECT_TRUE(std::is_sorted(captions.begin(), captions.end(),
                               [](const QString& l, const QString& r) { return l.chopped(1).toInt() < r.chopped(1).toInt(); }));
}

TEST_F(WorkflowTest, OnlineHelpOpensTheLocalPage)
{
    const fs::path program = temp.path() / "prefix" / "bin";
    fs::create_directories(program);
    flow().SetProgramFolder(QString::fromStdString(program.string()));
    QTest::mouseClick(form->Label3(), Qt::LeftButton);
    ASSERT_EQ(shell.messages.size(), 1u);  // not installed yet: says where it looked
    EXPECT_TRUE(shell.messages[0].text.contains(QStringLiteral("share/volarin-z/help/index.html")));

    const fs::path page = temp.write("prefix/share/volarin-z/help/index.html", "<html></html>");
    QTest::mouseClick(form->Label3(), Qt::LeftButton);
    ASSERT_EQ(shell.openedUrls.size(), 1u);
    EXPECT_EQ(shell.openedUrls[0], QUrl::fromLocalFile(QString::fromStdString(page.string())).toString());
    EXPECT_TRUE(shell.openedUrls[0].startsWith(QStringLiteral("file:///")));

    // A link reached with the keyboard works the same.
    EXPECT_TRUE(form->Label3()->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(form->Label3(), Qt::Key_Return);
    EXPECT_EQ(shell.openedUrls.size(), 2u);
}

TEST(HelpPage, InstalledPageComesBeforeTheBuildTreeCopy)
{
    TempDir dir;
    const QString bin = QString::fromStdString((dir / "bin").string());
    fs::create_directories(dir / "bin");
    EXPECT_EQ(HelpPage::Find(bin), QString());
    dir.write("bin/help/index.html", "build tree");
    EXPECT_EQ(HelpPage::Find(bin), QString::fromStdString((dir / "bin/help/index.html").string()));
    dir.write("share/volarin-z/help/index.html", "installed");
    EXPECT_EQ(HelpPage::Find(bin), QString::fromStdString((dir / "share/volarin-z/help/index.html").string()));
}

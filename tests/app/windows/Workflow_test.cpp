// The whole zip workflow through the real windows: scan with Browse, Output,
// OK, Start, the run to its end, and the archive read back by unzip and
// Python. Only the folder picker and the message boxes are fakes. The run's
// own cases are in ZipRunService_test.cpp.
#include "AppFixture.h"
#include "RandomBytes.h"

#include "ArchiveName.h"
#include "ArchiveReader.h"
#include "ClickLabel.h"
#include "OutputNameDialog.h"
#include "HelpPage.h"
#include "StagingArea.h"
#include "RunOutcome.h"
#include "StagingJob.h"
#include "ThreadNames.h"
#include "chameleonButton.h"

#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class WorkflowTest : public AppTest {
protected:
    WorkflowTest() { fs::create_directories(out); }

    OutputNameDialog* dialog() { return form->outputDialog(); }
    chameleonButton* start() { return form->startButton(); }
    chameleonButton* output() { return form->outputButton(); }

    // Browse... with the picker answering `folder`.
    void Scan(const fs::path& folder)
    {
        shell.folderAnswers.push_back(folder.string());
        QTest::mouseClick(form->browseButton(), Qt::LeftButton);
        WaitForListing();
    }

    // Output, then the dialog's OK with `name` typed and `where` picked.
    void Confirm(const QString& name, const fs::path& where)
    {
        OpenOutput();
        ASSERT_NE(dialog(), nullptr);
        dialog()->nameField()->setText(name);
        shell.folderAnswers.push_back(where.string());
        QTest::mouseClick(dialog()->okButton(), Qt::LeftButton);
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
        QSignalSpy ended(run.get(), &ZipRunService::Ended);
        QTest::mouseClick(start(), Qt::LeftButton);
        if (!run->Running())
            return false;
        return ended.wait(60000);
    }

    std::vector<QString> Messages() const
    {
        std::vector<QString> texts;
        for (const FakeShell::Message& m : shell.messages)
            texts.push_back(m.text);
        return texts;
    }

    // What the staging root holds once the folders of ended runs are deleted.
    std::vector<std::string> StagingLeft()
    {
        EXPECT_TRUE(run->FinishCleanUp().ok());
        std::vector<std::string> left;
        std::error_code ec;
        for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
            left.push_back(it->path().filename().string());
        std::sort(left.begin(), left.end());
        return left;
    }

    const fs::path& root = stagingRoot;
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
    ASSERT_EQ(RowCount(), 4);

    OpenOutput();
    const QString proposal = dialog()->nameField()->text();
    EXPECT_EQ(proposal, ArchiveName::Propose(QStringLiteral("jpg"), QDate::currentDate()));
    QTest::mouseClick(dialog()->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(start()->Enabled());

    Confirm(proposal);
    ASSERT_TRUE(start()->Enabled()) << shell.messages.size();
    EXPECT_FALSE(fs::exists(root)) << "the cache was written to before Start";

    QSignalSpy progress(run.get(), &ZipRunService::Progress);
    ASSERT_TRUE(StartAndWait());
    EXPECT_FALSE(start()->Enabled());
    EXPECT_FALSE(output()->Enabled());
    EXPECT_TRUE(form->progressBar()->isVisibleTo(form.get()));
    EXPECT_TRUE(form->percentLabel()->isVisibleTo(form.get()));
    EXPECT_EQ(form->percentLabel()->text(), QStringLiteral("100%"));
    EXPECT_GE(progress.count(), 13);  // 300000 + 1500000 bytes in 128 KiB chunks

    const auto entries = entriesReadBack(out / (ArchiveName::ToBytes(proposal) + ".zip"));
    // The hidden file is not zipped, and the user is told.
    EXPECT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries.at("a.jpg"), a);
    EXPECT_EQ(entries.at("b.JPG"), b);
    EXPECT_EQ(entries.at("empty.jpg"), "");
    EXPECT_TRUE(StagingLeft().empty());
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_TRUE(shell.messages[0].text.endsWith(QStringLiteral(".hidden.jpg: hidden file: not put into the archive")))
        << shell.messages[0].text.toStdString();
}

// Checked dot-files stay out of the archive, and the message after the run
// names each with the reason; a run with nothing left out says nothing.
TEST_F(WorkflowTest, HiddenFilesLeftOutAreNamed)
{
    Select(QStringLiteral("All (*.*)"));
    for (const char* name : {"a.txt", ".b.txt", "..c.txt", "d.e.txt"})
        temp.write(std::string("dots/") + name, name);
    Scan(temp.path() / "dots");
    ASSERT_EQ(RowCount(), 4);
    Confirm(QStringLiteral("dots"));
    ASSERT_TRUE(StartAndWait());
    EXPECT_EQ(entriesReadBack(out / "dots.zip"),
              (std::map<std::string, std::string>{{"a.txt", "a.txt"}, {"d.e.txt", "d.e.txt"}}));
    ASSERT_EQ(shell.messages.size(), 1u);
    const QString folder = QString::fromStdString((temp.path() / "dots").string());
    const QString reason = QStringLiteral(": hidden file: not put into the archive");
    const QString text = shell.messages[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("2 files were left out of \""))) << text.toStdString();
    EXPECT_TRUE(text.contains(folder + QStringLiteral("/.b.txt") + reason)) << text.toStdString();
    EXPECT_TRUE(text.contains(folder + QStringLiteral("/..c.txt") + reason)) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("a.txt:"))) << text.toStdString();

    QTest::mouseClick(form->clearButton(), Qt::LeftButton);
    temp.write("plain/x.txt", "x");
    Scan(temp.path() / "plain");
    Confirm(QStringLiteral("plain"));
    ASSERT_TRUE(StartAndWait());
    EXPECT_EQ(shell.messages.size(), 1u);
}

// The "All (*.*)" proposal names an archive any file system takes.
TEST_F(WorkflowTest, AllFilesProposalMakesAnArchive)
{
    Select(QStringLiteral("All (*.*)"));
    temp.write("mixed/a.txt", "a");
    temp.write("mixed/b", "b");
    Scan(temp.path() / "mixed");
    OpenOutput();
    const QString proposal = dialog()->nameField()->text();
    EXPECT_EQ(proposal, ArchiveName::Propose(QStringLiteral("All"), QDate::currentDate()));
    EXPECT_TRUE(proposal.startsWith(QStringLiteral("ALL ZIP Archive "))) << proposal.toStdString();
    Confirm(proposal);
    ASSERT_TRUE(StartAndWait());
    const auto entries = entriesReadBack(out / (ArchiveName::ToBytes(proposal) + ".zip"));
    EXPECT_EQ(entries, (std::map<std::string, std::string>{{"a.txt", "a"}, {"b", "b"}}));
}

TEST_F(WorkflowTest, OutputAgainKeepsTheTypedNameUntilCancel)
{
    Folder("p", {"x.jpg"});
    Scan(temp.path() / "p");
    Confirm(QStringLiteral("Typed name"));
    OpenOutput();
    EXPECT_EQ(dialog()->nameField()->text(), QStringLiteral("Typed name"));
    QTest::keyClick(dialog()->nameField(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialog(), nullptr);
    OpenOutput();
    EXPECT_EQ(dialog()->nameField()->text(),
              ArchiveName::Propose(QStringLiteral("jpg"), QDate::currentDate()));
}

// The run list is not emptied by a run: the second run zips the first selection again.
TEST_F(WorkflowTest, SecondRunWithoutClearZipsTheEarlierSelectionToo)
{
    Select(QStringLiteral("txt"));
    temp.write("one/1.txt", "1");
    Scan(temp.path() / "one");
    Confirm(QStringLiteral("first"));
    ASSERT_TRUE(StartAndWait());
    EXPECT_EQ(entriesReadBack(out / "first.zip").size(), 1u);

    temp.write("two/2.txt", "2");
    Scan(temp.path() / "two");
    Confirm(QStringLiteral("second"));
    ASSERT_TRUE(StartAndWait());
    EXPECT_EQ(entriesReadBack(out / "second.zip"),
              (std::map<std::string, std::string>{{"1.txt", "1"}, {"2.txt", "2"}}));
}

TEST_F(WorkflowTest, NameEndingInZipGetsNoSecondZip)
{
    Folder("p", {"x.jpg"});
    Scan(temp.path() / "p");
    Confirm(QStringLiteral("photos.zip"));
    ASSERT_TRUE(StartAndWait());
    EXPECT_EQ(entriesReadBack(out / "photos.zip").size(), 1u);
    EXPECT_FALSE(fs::exists(out / "photos.zip.zip"));
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
    run->SetStagingLinks(StagingLinks::Every());
    ASSERT_TRUE(StartAndWait());

    form->close();
    EXPECT_EQ(StagingLeft(), std::vector<std::string>{"foreign"});
    EXPECT_EQ(readFileBytes(foreign), "keep");
    EXPECT_EQ(readFileBytes(beside), "beside");
    EXPECT_EQ(readFileBytes(temp.path() / "p" / "x.jpg"), "photo");
    EXPECT_TRUE(fs::exists(out / "first name.zip"));
    EXPECT_TRUE(shell.messages.empty());
}

// Closing during a run stops it without an Error or a message, then deletes
// the staging folder; no half-written archive stays.
TEST_F(WorkflowTest, ClosingDuringARunStopsItFirst)
{
    temp.write("big/big.jpg", randomBytes(12 * 1024 * 1024, 5));
    Scan(temp.path() / "big");
    Confirm(QStringLiteral("big"));
    QSignalSpy ended(run.get(), &ZipRunService::Ended);
    QSignalSpy progress(run.get(), &ZipRunService::Progress);
    QTest::mouseClick(start(), Qt::LeftButton);
    ASSERT_TRUE(run->Running());
    ASSERT_TRUE(progress.wait(10000));
    form->close();
    EXPECT_FALSE(run->Running());
    QTest::qWait(50);
    EXPECT_EQ(ended.count(), 0);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_TRUE(StagingLeft().empty());
    EXPECT_TRUE(fs::is_empty(out)) << "half-written archive left behind";
}

// Closing the window while the files are being staged stops the staging
// thread (joined, no signal after) and deletes the staging folder; the
// sources stay as they were.
TEST_F(WorkflowTest, ClosingDuringStagingStopsItAndCleansUp)
{
    Select(QStringLiteral("All (*.*)"));
    const fs::path big = temp.write("lots/big.bin", randomBytes(8 * 1024 * 1024, 3));
    for (int i = 0; i < 300; ++i)
        temp.write("lots/f" + std::to_string(i) + ".txt", "x");
    Scan(temp.path() / "lots");
    Confirm(QStringLiteral("staging"));
    run->SetStagingLinks(StagingLinks::Every());  // links: the slowest way
    QSignalSpy staged(run.get(), &ZipRunService::Staged);
    QSignalSpy ended(run.get(), &ZipRunService::Ended);
    QTest::mouseClick(start(), Qt::LeftButton);
    EXPECT_TRUE(run->Running());
    EXPECT_FALSE(start()->Enabled());
    EXPECT_FALSE(output()->Enabled());
    form->close();
    EXPECT_FALSE(run->Running());
    EXPECT_EQ(threadsNamed(StagingJob::kStagingThreadName), 0u);
    QTest::qWait(50);
    EXPECT_EQ(staged.count(), 0);
    EXPECT_EQ(ended.count(), 0);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_TRUE(StagingLeft().empty());
    EXPECT_TRUE(fs::is_empty(out));
    EXPECT_EQ(fs::file_size(big), 8u * 1024 * 1024);
    EXPECT_EQ(readFileBytes(temp.path() / "lots" / "f0.txt"), "x");
}

// A name is never refused for being zipped: each run stages into a folder of
// its own. Confirmed again during the run, it enables Start, and Start waits
// for the run to end.
TEST_F(WorkflowTest, OkWithTheRunningNameIsTaken)
{
    temp.write("big/big.jpg", randomBytes(8 * 1024 * 1024, 6));
    Scan(temp.path() / "big");
    Confirm(QStringLiteral("running"));
    QSignalSpy ended(run.get(), &ZipRunService::Ended);
    QTest::mouseClick(start(), Qt::LeftButton);
    ASSERT_TRUE(run->Running());

    QSignalSpy staged(run.get(), &ZipRunService::Staged);
    ASSERT_TRUE(staged.wait(10000));
    Scan(temp.path() / "big");  // a scan enables Output again
    Confirm(QStringLiteral("running"));
    EXPECT_TRUE(shell.messages.empty());
    ASSERT_TRUE(start()->Enabled());
    QTest::mouseClick(start(), Qt::LeftButton);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_TRUE(shell.messages[0].text.contains(QStringLiteral("running.zip\" is still being written")));
    EXPECT_EQ(shell.messages[0].icon, Shell::Icon::Information);
    // The refused Start handed nothing over: the list holds the row of the
    // press that started the run, and the two rows collected now.
    EXPECT_EQ(form->CollectCheckedFiles().size(), 3u);

    ASSERT_TRUE(ended.wait(60000));
    EXPECT_EQ(ended.at(0).at(0).value<RunOutcome>().end, RunOutcome::End::Completed);
    EXPECT_EQ(entriesReadBack(out / "running.zip").size(), 1u);
}

// A run that cannot write its archive says so, naming it and the reason.
TEST_F(WorkflowTest, ArchiveThatCannotBeWrittenIsReported)
{
    temp.write("p/x.jpg", "x");
    Scan(temp.path() / "p");
    Confirm(QStringLiteral("lost"));
    fs::remove_all(out);
    ASSERT_TRUE(StartAndWait());
    EXPECT_FALSE(form->progressBar()->isVisibleTo(form.get()));
    ASSERT_EQ(shell.messages.size(), 1u);
    const QString text = shell.messages[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("lost.zip"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("No such file or directory"))) << text.toStdString();
    EXPECT_FALSE(start()->Enabled());
}

TEST_F(WorkflowTest, OnlineHelpOpensTheLocalPage)
{
    // The fixture's program folder is <temp>/program.
    QTest::mouseClick(form->helpLink(), Qt::LeftButton);
    ASSERT_EQ(shell.messages.size(), 1u);  // not installed yet: says where it looked
    EXPECT_TRUE(shell.messages[0].text.contains(QStringLiteral("share/volarin-z/help/index.html")));

    const fs::path page = temp.write("share/volarin-z/help/index.html", "<html></html>");
    QTest::mouseClick(form->helpLink(), Qt::LeftButton);
    ASSERT_EQ(shell.openedUrls.size(), 1u);
    EXPECT_EQ(shell.openedUrls[0], QUrl::fromLocalFile(QString::fromStdString(page.string())).toString());
    EXPECT_TRUE(shell.openedUrls[0].startsWith(QStringLiteral("file:///")));

    // A link reached with the keyboard works the same.
    EXPECT_TRUE(form->helpLink()->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(form->helpLink(), Qt::Key_Return);
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

// The page in the user's language where there is one, else the English one,
// the installed place before the build tree's.
TEST(HelpPage, ThePageInTheUsersLanguageComesBeforeTheEnglishOne)
{
    TempDir dir;
    const QString bin = QString::fromStdString((dir / "bin").string());
    fs::create_directories(dir / "bin");
    dir.write("bin/help/index.html", "build tree");
    dir.write("bin/help/de/index.html", "build tree, German");
    dir.write("share/volarin-z/help/index.html", "installed");
    dir.write("share/volarin-z/help/pt_BR/index.html", "installed, Portuguese");
    struct Case {
        const char* language;
        const char* page;
    };
    const Case cases[] = {
        {"", "share/volarin-z/help/index.html"},
        {"pt_BR", "share/volarin-z/help/pt_BR/index.html"},
        {"de", "share/volarin-z/help/index.html"},  // installed English before the build tree's German
        {"ja", "share/volarin-z/help/index.html"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HelpPage::Find(bin, QString::fromLatin1(c.language)), QString::fromStdString((dir / c.page).string()))
            << c.language;
}

// Every checked row that did not go in is named after the run, grouped by
// reason: left out by the filter chosen at Start, or replaced by a later file
// of the same name (the folder of the one kept named).
TEST_F(WorkflowTest, CheckedRowsLeftOutAreNamedByReason)
{
    Select(QStringLiteral("All (*.*)"));
    const fs::path a = temp.path() / "a", b = temp.path() / "b";
    temp.write("a/x.txt", "from a");
    temp.write("a/notes.md", "notes");
    temp.write("a/plan.pdf", "plan");
    temp.write("b/x.txt", "from b");
    Scan(a);
    Scan(b);  // b's rows on top, so a's x.txt comes later and is kept
    Confirm(QStringLiteral("left"));
    Select(QStringLiteral("txt"));
    ASSERT_TRUE(StartAndWait());
    EXPECT_EQ(entriesReadBack(out / "left.zip"), (std::map<std::string, std::string>{{"x.txt", "from a"}}));
    ASSERT_EQ(Messages().size(), 1u);
    const auto shown = [](const fs::path& p) { return QString::fromStdString(p.string()); };
    EXPECT_EQ(Messages()[0], QStringLiteral("3 files were left out of \"%1\":\n%2: not a .txt file\n%3: not a .txt "
                                            "file\n%4: replaced by the file of the same name from \"%5\"")
                                 .arg(shown(out / "left.zip"), shown(a / "plan.pdf"), shown(a / "notes.md"),
                                      shown(b / "x.txt"), shown(a)));
}

// A file an earlier press handed over still goes in under another filter and
// is not named as left out; a checked file that was never handed over is.
TEST_F(WorkflowTest, EarlierSelectionIsNotNamedAsLeftOutByTheNextFilter)
{
    struct Case {
        const char* folder;
        std::vector<std::string> files;
        std::map<std::string, std::string> zipped;  // by the second press
        QString leftOut;                            // the message's last line; empty: no message
    } cases[] = {
        {"more", {"a.jpg", "b.jpg", "c.pdf"}, {{"a.jpg", "x"}, {"b.jpg", "x"}, {"c.pdf", "x"}}, {}},
        {"fewer", {"a.jpg", "c.pdf", "d.txt"}, {{"a.jpg", "x"}, {"c.pdf", "x"}}, QStringLiteral("d.txt: not a .pdf file")},
    };
    for (const Case& c : cases) {
        form->ClearLists();
        const std::string folder = Folder(c.folder, c.files);
        Select(QStringLiteral("All (*.*)"));
        Scan(folder);
        Select(QStringLiteral("jpg"));
        Confirm(QStringLiteral("first-%1").arg(QLatin1String(c.folder)));
        ASSERT_TRUE(StartAndWait()) << c.folder;
        Scan(Folder(std::string(c.folder) + "-empty", {}));  // Output waits for the next scan
        shell.messages.clear();  // what "jpg" left out, and the empty folder
        Select(QStringLiteral("pdf"));
        Confirm(QStringLiteral("second-%1").arg(QLatin1String(c.folder)));
        ASSERT_TRUE(StartAndWait()) << c.folder;
        EXPECT_EQ(entriesReadBack(out / ("second-" + std::string(c.folder) + ".zip")), c.zipped) << c.folder;
        if (c.leftOut.isEmpty()) {
            EXPECT_TRUE(Messages().empty()) << c.folder;
        } else {
            ASSERT_EQ(Messages().size(), 1u) << c.folder;
            EXPECT_TRUE(Messages()[0].endsWith(QStringLiteral("/") + c.leftOut)) << Messages()[0].toStdString();
        }
    }
}

// Start with nothing of this press to zip says why and starts nothing; the
// press after it, with rows checked, runs.
TEST_F(WorkflowTest, StartWithNothingToZipSaysSo)
{
    Folder("p", {"a.jpg", "b.jpg"});
    Scan(temp.path() / "p");
    Confirm(QStringLiteral("nothing"));
    struct Case {
        const char* row;
        bool checked;
        QString words;
    } cases[] = {
        {"jpg", false, QStringLiteral("No file is checked, so nothing was zipped. Please check the files to put "
                                      "into the archive and press Start again.")},
        {"txt", true, QStringLiteral("None of the checked files is a .txt file, so nothing was zipped. Please "
                                     "choose their extension in the list and press Start again.")},
    };
    for (const Case& c : cases) {
        shell.messages.clear();
        Select(QString::fromLatin1(c.row));
        for (int i = 0; i < RowCount(); ++i)
            Files()->setData(Files()->index(i, 0), c.checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        EXPECT_FALSE(StartAndWait()) << c.row;
        ASSERT_EQ(shell.messages.size(), 1u) << c.row;
        EXPECT_EQ(shell.messages[0].text, c.words);
        EXPECT_EQ(shell.messages[0].icon, Shell::Icon::Information);
        EXPECT_TRUE(start()->Enabled());
    }
    Select(QStringLiteral("jpg"));
    ASSERT_TRUE(StartAndWait());
    EXPECT_EQ(entriesReadBack(out / "nothing.zip").size(), 2u);
}

// Escape during a run stops it as closing would (no archive, the old one
// kept, staging gone), says so, and leaves the window ready for the next run.
TEST_F(WorkflowTest, EscapeStopsTheRunAndTheWindowStaysOpen)
{
    temp.write("big/big.jpg", randomBytes(12 * 1024 * 1024, 5));
    Scan(temp.path() / "big");
    const fs::path old = temp.write("out/big.zip", "an older archive");
    shell.askAnswers.push_back(true);  // replace it, once the new one is done
    Confirm(QStringLiteral("big"));
    // The main window active again, as once the Output dialog has gone.
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_Escape);  // no run: nothing happens
    EXPECT_TRUE(shell.messages.empty());

    QSignalSpy ended(run.get(), &ZipRunService::Ended);
    QSignalSpy progress(run.get(), &ZipRunService::Progress);
    QTest::mouseClick(start(), Qt::LeftButton);
    ASSERT_TRUE(progress.wait(10000));
    QTest::keyClick(form->fileList(), Qt::Key_Escape);
    EXPECT_FALSE(run->Running());
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended.at(0).at(0).value<RunOutcome>().end, RunOutcome::End::Stopped);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].text, QStringLiteral("The run was stopped: \"%1\" was not written (an archive of that "
                                                     "name from before is left as it was).")
                                          .arg(QString::fromStdString(old.string())));
    EXPECT_EQ(readFileBytes(old), "an older archive");
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 1) << "temporary archive left";
    EXPECT_TRUE(StagingLeft().empty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->progressBar()->isVisibleTo(form.get()));

    Confirm(QStringLiteral("again"));
    ASSERT_TRUE(StartAndWait());
    EXPECT_EQ(entriesReadBack(out / "again.zip").size(), 1u);
}

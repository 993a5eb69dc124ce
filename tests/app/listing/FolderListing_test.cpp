// Folders are listed off the window's thread: the window keeps answering
// while the rows come in slices, and the order of the rows, the end of each
// drop and the messages stay what a listing in one go gave.
#include "AppFixture.h"
#include "FolderListing.h"
#include "OpenFileLimit.h"
#include "TestWatchdog.h"
#include "ThreadNames.h"
#include "ThreadStart.h"
#include "Unprivileged.h"
#include "chameleonButton.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <optional>
#include <set>

namespace fs = std::filesystem;

namespace {

class FolderListingTest : public AppTest {
protected:
    // count empty files f00000.log, f00001.log, ...
    std::string ManyFiles(const std::string& name, int count)
    {
        const fs::path folder = temp.path() / name;
        fs::create_directories(folder);
        char file[32];
        for (int i = 0; i < count; ++i) {
            std::snprintf(file, sizeof file, "f%05d.log", i);
            std::ofstream(folder / file).put('x');
        }
        return folder.string();
    }
};

// 20,000 files: the event loop turns between slices; the longest turn is
// printed as the driver prints its steps.
TEST_F(FolderListingTest, TheEventLoopTurnsWhileManyFilesComeInInOrder)
{
    const std::string folder = ManyFiles("many", 20000);
    Select(QStringLiteral("All (*.*)"));
    std::set<int> countsSeen;
    double longestMs = 0;
    QElapsedTimer sinceTurn;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestMs = std::max(longestMs, sinceTurn.nsecsElapsed() / 1e6);
        sinceTurn.restart();
        countsSeen.insert(RowCount());
    });
    std::vector<Failure> told{{}};
    ticker.start();
    sinceTurn.start();
    form->AddFolders({folder}, [&](const std::vector<Failure>& notTaken) { told = notTaken; });
    EXPECT_TRUE(form->Listing());
    WaitForListing();
    ticker.stop();
    std::printf("longest step while 20,000 files were listed: %.1f ms\n", longestMs);
    EXPECT_GT(countsSeen.size(), 3u) << "the rows came in at once";
    EXPECT_TRUE(told.empty());
    ASSERT_EQ(RowCount(), 20000);
    EXPECT_EQ(Row(0).name(), "f19999.log");
    EXPECT_EQ(Row(19999).name(), "f00000.log");
    EXPECT_TRUE(Row(12345).checked);
    EXPECT_FALSE(form->startButton()->Enabled());
    EXPECT_TRUE(form->clearButton()->Enabled());
    EXPECT_TRUE(form->outputButton()->Enabled());
}

// A second drop while the first is still listed waits its turn: rows,
// reports and the one message about unreadable folders keep their order.
TEST_F(FolderListingTest, DropsInQuickSuccessionEndInTheOrderGiven)
{
    VOLARIN_RUN_AS_NOBODY_WHEN_ROOT();
    const std::string big = ManyFiles("big", 3000);
    const std::string locked = Folder("locked", {"x.log"});
    fs::permissions(locked, fs::perms::none);
    const std::string small = Folder("small", {"a.log", "b.log"});
    Select(QStringLiteral("All (*.*)"));
    std::vector<std::string> ends;
    form->AddFolders({big, locked}, [&](const std::vector<Failure>& notTaken) {
        ends.push_back("first " + std::to_string(RowCount()) + " " + std::to_string(notTaken.size()));
    });
    form->AddFolders({small, (temp.path() / "gone").string()}, [&](const std::vector<Failure>& notTaken) {
        ends.push_back("second " + std::to_string(RowCount()) + " " + std::to_string(notTaken.size()));
    });
    WaitForListing();
    QCoreApplication::processEvents();
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(ends, (std::vector<std::string>{"first 3000 1", "second 3002 1"}));
    EXPECT_EQ(Row(0).name(), "b.log");
    EXPECT_EQ(Row(2).name(), "f02999.log");
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_NE(shell.messages[0].text.indexOf(QStringLiteral("locked")), -1) << shell.messages[0].text.toStdString();
}

// Closing the window, or Clear, while a folder is listed stops the listing:
// its thread is joined, no more rows come and nothing is told.
TEST_F(FolderListingTest, CloseOrClearDuringAListingEndsItCleanly)
{
    const std::string folder = ManyFiles("many", 20000);
    Select(QStringLiteral("log"));
    for (const bool close : {false, true}) {
        bool told = false;
        form->AddFolders({folder}, [&](const std::vector<Failure>&) { told = true; });
        while (RowCount() == 0 && form->Listing())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        ASSERT_TRUE(form->Listing()) << "listed before the test could stop it";
        if (close)
            form->close();
        else
            form->ClearLists();  // the button waits for the end of the drop
        EXPECT_FALSE(form->Listing());
        EXPECT_EQ(threadsNamed(FolderListing::kThreadName), 0u);
        const int rows = RowCount();
        QTest::qWait(50);
        EXPECT_EQ(RowCount(), rows);
        EXPECT_EQ(RowCount() == 0, !close);
        EXPECT_FALSE(told);
        EXPECT_TRUE(shell.messages.empty());
    }
}

// The listing cannot go on: no wake-up channel (at the open-file limit), no
// thread, or its thread's work failed. Each folder of the drop is told as
// unreadable with the system's reason, the list is not left busy, and the
// next drop is listed.
TEST_F(FolderListingTest, ListingThatCannotGoOnSaysWhy)
{
    const std::string folder = Folder("photos", {"a.jpg"});
    enum class Fault { FileLimit, RefusedThread, FailingThread };
    const struct {
        Fault fault;
        const char* reason;
    } cases[] = {{Fault::FileLimit, "Too many open files"},
                 {Fault::RefusedThread, "Resource temporarily unavailable"},
                 {Fault::FailingThread, "Cannot allocate memory"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        form = std::make_unique<MainWindow>(*run);  // no wake-up channel made yet
        Select(QStringLiteral("All (*.*)"));
        shell.messages.clear();
        std::optional<std::vector<Failure>> told;
        {
            std::optional<OpenFileLimit> limit;
            if (c.fault == Fault::FileLimit)
                limit.emplace(0);
            else if (c.fault == Fault::RefusedThread)
                ThreadStart::FailNext(1);
            else
                ThreadStart::FailBodiesOf(FolderListing::kThreadName, 1);
            form->AddFolders({folder}, [&](const std::vector<Failure>& notTaken) { told = notTaken; });
            ThreadStart::FailNext(0);
        }
        WaitForListing();
        ASSERT_TRUE(told.has_value());
        ASSERT_EQ(told->size(), 1u);
        EXPECT_EQ(told->at(0).kind, FailureKind::FolderUnreadable);
        QCoreApplication::processEvents();  // the message comes once the drop has ended
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_EQ(shell.messages[0].text, QStringLiteral("The folder \"%1\" cannot be read: %2.")
                                              .arg(QString::fromStdString(folder), QString::fromLatin1(c.reason)));
        EXPECT_EQ(RowCount(), 0);
        EXPECT_EQ(threadsNamed(FolderListing::kThreadName), 0u);
        form->AddFolders({folder});
        WaitForListing();
        EXPECT_EQ(RowCount(), 1);
    }
}

// Clear and closing the window leave a folder in the middle of its listing:
// neither waits until a huge (or slow) folder is listed whole.
TEST_F(FolderListingTest, ClearOrCloseLeaveAFolderInTheMiddleOfItsListing)
{
    TestWatchdog::Limit(TestWatchdog::kThreaded);
    // Lists a folder for as long as nobody asks the listing to stop.
    struct EndlessFolders : LinuxFileSystem {
        using LinuxFileSystem::LinuxFileSystem;
        Result<void, ListingFailure> FolderFiles(const std::string&, std::vector<FolderFile>&,
                                                 std::stop_token stop) const override
        {
            entered = true;
            std::mutex mutex;
            std::condition_variable_any never;
            std::unique_lock lock(mutex);
            never.wait(lock, stop, [] { return false; });
            return Fault<ListingFailure>{ListingFailure::Canceled, std::make_error_code(std::errc::operation_canceled)};
        }
        mutable std::atomic<bool> entered{false};
    };
    EndlessFolders endless((temp.path() / "program").string());
    FileSystem* previous = FileSystem::SetInstance(&endless);
    const std::string folder = Folder("endless", {});
    for (const bool close : {false, true}) {
        SCOPED_TRACE(close ? "close" : "Clear");
        endless.entered = false;
        bool told = false;
        form->AddFolders({folder}, [&](const std::vector<Failure>&) { told = true; });
        while (!endless.entered)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        if (close)
            form->close();
        else
            form->ClearLists();
        EXPECT_FALSE(form->Listing());
        EXPECT_EQ(threadsNamed(FolderListing::kThreadName), 0u);
        QCoreApplication::processEvents();
        EXPECT_FALSE(told);
        EXPECT_TRUE(shell.messages.empty());
    }
    FileSystem::SetInstance(previous);
}

}  // namespace

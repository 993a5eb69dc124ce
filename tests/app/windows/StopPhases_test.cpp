// Escape and closing the window at each phase of a run (staging, zipping,
// closing the archive, renaming it), with and without an older archive of
// that name, through the real window, run service and Zipper. What the user
// is told says what happened and the disk agrees: until the archive takes its
// name nothing is written (an older one stays); once the rename has begun the
// archive is written whole. The run's copies go on the disposal thread.
#include "AppFixture.h"
#include "ArchiveReader.h"
#include "FolderDisposal.h"
#include "OutputNameDialog.h"
#include "RandomBytes.h"
#include "TemporaryArchive.h"
#include "TestWatchdog.h"
#include "ThreadNames.h"
#include "ThreadStart.h"
#include "ZipWriter.h"
#include "chameleonButton.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace fs = std::filesystem;

namespace {

// Waits on the thread it is called from until that thread is asked to stop.
void WaitUntilAskedToStop()
{
    std::mutex mutex;
    std::condition_variable_any never;
    std::unique_lock lock(mutex);
    never.wait(lock, ThreadStart::CurrentStop(), [] { return false; });
}

// Where the run is held: while `holdClose` is set, closing the archive
// waits (on the closing thread) until the run is asked to stop.
struct Hold {
    std::atomic<bool> holdClose{false};
    std::atomic<bool> reached{false};
};

// The real writer, its close held as `hold` says.
class HeldCloseWriter : public ZipWriter {
public:
    explicit HeldCloseWriter(Hold& hold) : hold_(hold) {}
    bool CloseZip() override
    {
        if (hold_.holdClose.exchange(false)) {
            hold_.reached = true;
            WaitUntilAskedToStop();
        }
        return ZipWriter::CloseZip();
    }

private:
    Hold& hold_;
};

class StopPhasesTest : public AppTest {
protected:
    StopPhasesTest()
    {
        form.reset();
        run = std::make_unique<ZipRunService>(
            stagingRoot, std::make_unique<Zipper>(2, [this] { return std::make_unique<HeldCloseWriter>(hold); }));
        std::filesystem::create_directories(out);
    }
    ~StopPhasesTest() override { TemporaryArchive::SetBeforeRename({}); }

    Hold hold;
    fs::path out = temp.path() / "out";
};

enum class Phase { Staging, Zipping, Closing, Renaming };

const char* PhaseName(Phase phase)
{
    switch (phase) {
    case Phase::Staging:
        return "staging";
    case Phase::Zipping:
        return "zipping";
    case Phase::Closing:
        return "closing the archive";
    case Phase::Renaming:
        return "renaming";
    }
    return "";
}

}  // namespace

TEST_F(StopPhasesTest, StopAndCloseAtEachPhaseTellWhatHappened)
{
    TestWatchdog::Limit(TestWatchdog::kThreaded);
    const std::string photos = (temp.path() / "photos").string();
    const std::string big = randomBytes(1 << 20, 3);
    temp.write("photos/big.jpg", big);
    temp.write("photos/small.jpg", "small");
    int n = 0;
    for (const Phase phase : {Phase::Staging, Phase::Zipping, Phase::Closing, Phase::Renaming}) {
        for (const bool older : {false, true}) {
            for (const bool close : {false, true}) {
                SCOPED_TRACE(std::string(PhaseName(phase)) + (older ? ", older archive" : ", no older archive")
                             + (close ? ", window closed" : ", Escape"));
                const std::string name = "run" + std::to_string(++n);
                const fs::path archive = out / (name + ".zip");
                if (older)
                    temp.write("out/" + name + ".zip", "OLDER");
                form = std::make_unique<MainWindow>(*run);
                Select(QStringLiteral("jpg"));
                form->AddFolders({photos});
                WaitForListing();
                QTest::mouseClick(form->outputButton(), Qt::LeftButton);
                ASSERT_NE(form->outputDialog(), nullptr);
                form->outputDialog()->nameField()->setText(QString::fromStdString(name));
                shell.folderAnswers.push_back(out.string());
                if (older)
                    shell.askAnswers.push_back(true);  // replace it once the new one is done
                QTest::mouseClick(form->outputDialog()->okButton(), Qt::LeftButton);
                ASSERT_TRUE(form->startButton()->Enabled());
                form->show();
                QApplication::setActiveWindow(form.get());
                ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
                shell.messages.clear();

                const auto act = [&] {
                    if (close)
                        form->close();
                    else
                        QTest::keyClick(form->fileList(), Qt::Key_Escape);
                };
                hold.reached = false;
                hold.holdClose = phase == Phase::Closing;
                if (phase == Phase::Renaming)
                    TemporaryArchive::SetBeforeRename([this] {
                        hold.reached = true;
                        WaitUntilAskedToStop();
                    });
                QMetaObject::Connection onProgress;
                if (phase == Phase::Zipping)
                    onProgress = QObject::connect(run.get(), &ZipRunService::Progress, form.get(), [&] {
                        QObject::disconnect(onProgress);
                        act();
                    });
                QTest::mouseClick(form->startButton(), Qt::LeftButton);
                ASSERT_TRUE(run->Running());
                if (phase == Phase::Staging)
                    act();
                // Zipping ends from the first Progress; the other two once their hold is reached.
                while (run->Running() && !hold.reached)
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
                if (phase == Phase::Closing || phase == Phase::Renaming)
                    act();
                TemporaryArchive::SetBeforeRename({});

                EXPECT_FALSE(run->Running());
                const QString shown = QString::fromStdString(archive.string());
                const bool written = phase == Phase::Renaming;
                if (close) {
                    EXPECT_TRUE(shell.messages.empty());
                } else {
                    ASSERT_EQ(shell.messages.size(), 1u);
                    EXPECT_EQ(shell.messages[0].text,
                              written ? QStringLiteral("The run was stopped too late: the archive \"%1\" was already "
                                                       "written.").arg(shown)
                              : older ? QStringLiteral("The run was stopped: \"%1\" was not written (an archive of that "
                                                       "name from before is left as it was).").arg(shown)
                                      : QStringLiteral("The run was stopped: \"%1\" was not written.").arg(shown));
                }
                if (written) {
                    EXPECT_EQ(entriesReadBack(archive),
                              (std::map<std::string, std::string>{{"big.jpg", big}, {"small.jpg", "small"}}));
                } else if (older) {
                    EXPECT_EQ(readFileBytes(archive), "OLDER");
                } else {
                    EXPECT_FALSE(fs::exists(archive));
                }
                for (const auto& entry : fs::directory_iterator(out))
                    EXPECT_NE(entry.path().extension(), ".part") << entry.path();
                // The run's copies went to the disposal thread, not deleted on the window's.
                EXPECT_FALSE(fs::exists(stagingRoot / name));
                EXPECT_EQ(threadsNamed(FolderDisposal::kThreadName), 1u);
                EXPECT_TRUE(run->FinishCleanUp().ok());
                EXPECT_EQ(threadsNamed(FolderDisposal::kThreadName), 0u);
            }
        }
    }
}

// What the desktop learns of a run on the session bus (a private one per test
// binary): the task bar's progress, the notification when the run ends in the
// background and its action, and that a missing or refusing server changes
// nothing about the run. Runs go through the real window; only the shell, the
// notification server and the file manager are fakes.
#include "AppFixture.h"
#include "ArchiveReader.h"
#include "ChildProcess.h"
#include "FakeFileManager.h"
#include "FakeNotifications.h"
#include "LauncherListener.h"
#include "OutputNameDialog.h"
#include "RandomBytes.h"
#include "RunOutcome.h"
#include "chameleonButton.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <functional>

namespace fs = std::filesystem;

namespace {

bool waitFor(const std::function<bool()>& done, int timeoutMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

std::vector<QString> printed;
void keepPrinted(QtMsgType, const QMessageLogContext&, const QString& text)
{
    printed.push_back(text);
}

class DesktopBusTest : public AppTest {
protected:
    DesktopBusTest()
    {
        static int count = 0;
        busName_ = QStringLiteral("desktop-%1").arg(++count);
        fs::create_directories(out);
        previousHandler_ = qInstallMessageHandler(keepPrinted);
    }
    ~DesktopBusTest() override
    {
        qInstallMessageHandler(previousHandler_);
        QDBusConnection::disconnectFromBus(busName_);
    }

    // The desktop's side of the bus: a connection of its own, as another process has.
    QDBusConnection desktop() const { return QDBusConnection::connectToBus(QDBusConnection::SessionBus, busName_); }

    // The main window shown, and it or another window active.
    void Focus(bool onMainWindow)
    {
        form->show();
        other.show();
        QWidget* active = onMainWindow ? static_cast<QWidget*>(form.get()) : &other;
        active->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(active));
    }

    // A folder of one file listed with Browse, and Output confirmed with `name`.
    void Prepare(const QString& name, std::size_t bytes = 300000)
    {
        temp.write("p/a.jpg", randomBytes(bytes, 7));
        shell.folderAnswers.push_back((temp.path() / "p").string());
        QTest::mouseClick(form->browseButton(), Qt::LeftButton);
        WaitForListing();
        QTest::mouseClick(form->outputButton(), Qt::LeftButton);
        ASSERT_NE(form->outputDialog(), nullptr);
        form->outputDialog()->nameField()->setText(name);
        shell.folderAnswers.push_back(out.string());
        QTest::mouseClick(form->outputDialog()->okButton(), Qt::LeftButton);
        ASSERT_TRUE(form->startButton()->Enabled());
    }

    // Start; `duringRun` is called at the first Progress. Waits for Ended.
    std::optional<RunOutcome> Run(const std::function<void()>& duringRun = {})
    {
        QSignalSpy ended(run.get(), &ZipRunService::Ended);
        QSignalSpy progress(run.get(), &ZipRunService::Progress);
        printed.clear();  // what the test's own window handling printed
        QTest::mouseClick(form->startButton(), Qt::LeftButton);
        if (duringRun) {
            if (!progress.wait(20000))
                return std::nullopt;
            duringRun();
            if (!form)
                return RunOutcome{};
        }
        if (ended.isEmpty() && !ended.wait(60000))
            return std::nullopt;
        return ended.takeFirst().at(0).value<RunOutcome>();
    }

    fs::path out = temp.path() / "out";
    QWidget other;

private:
    QString busName_;
    QtMessageHandler previousHandler_ = nullptr;
};

// The task bar's entry through one run that completes, fails or is stopped by
// closing the window: shown at 0, rising once per percent, hidden at the end.
enum class Ending { Completed, Failed, Stopped };
class TaskBarTest : public DesktopBusTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(TaskBarTest, ProgressRisesThenIsHidden)
{
    LauncherListener dock(desktop());
    ASSERT_TRUE(dock.listening);
    Prepare(QStringLiteral("bar"), 12 * 1024 * 1024);
    const Ending ending = GetParam();
    const auto outcome = Run([&] {
        if (ending == Ending::Failed) {
            fs::remove_all(out);  // the finished archive cannot be put there
        } else if (ending == Ending::Stopped) {
            form->close();  // closing the window stops the run; it is then deleted
            form.reset();
        }
    });
    ASSERT_TRUE(outcome.has_value());
    if (ending == Ending::Failed) {
        EXPECT_EQ(outcome->end, RunOutcome::End::Failed);
    }
    ASSERT_TRUE(waitFor([&] {
        return !dock.updates.empty() && dock.updates.back().properties.value("progress-visible") == false;
    })) << dock.updates.size();

    const auto& u = dock.updates;
    ASSERT_GE(u.size(), 3u);
    EXPECT_LE(u.size(), 102u) << "one Update per percent at most";
    EXPECT_EQ(u.front().properties,
              (QVariantMap{{QStringLiteral("progress"), 0.0}, {QStringLiteral("progress-visible"), true}}));
    for (std::size_t i = 1; i + 1 < u.size(); ++i) {
        EXPECT_EQ(u[i].properties.value("progress-visible"), true);
        EXPECT_GT(u[i].properties.value("progress").toDouble(), u[i - 1].properties.value("progress").toDouble());
    }
    EXPECT_EQ(u.back().properties, (QVariantMap{{QStringLiteral("progress-visible"), false}}));
    if (ending == Ending::Completed) {
        EXPECT_EQ(u[u.size() - 2].properties.value("progress").toDouble(), 1.0);
    }
    for (const auto& update : u)
        EXPECT_EQ(update.uri, QStringLiteral("application://volarin-z.desktop"));
}

INSTANTIATE_TEST_SUITE_P(Endings, TaskBarTest, ::testing::Values(Ending::Completed, Ending::Failed, Ending::Stopped));

// One notification when a run ends while another window is active, none
// while the main window is; its click shows the archive in the file manager,
// else opens its folder. No server, or one that refuses: the run and what the
// user sees are unchanged, and nothing is printed.
enum class Server { None, Refusing, Plain, Markup };
struct NoticeCase {
    const char* label;
    bool mainWindowActive;
    bool fail;  // the output folder gone before Start
    Server server;
    bool fileManager;
    QString summary;  // "": no notification
    QString body;     // %1: the output folder; "": the first line of the run's message
};
class NotificationTest : public DesktopBusTest, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(NotificationTest, OneNoticeOnlyInTheBackground)
{
    const NoticeCase& c = GetParam();
    std::optional<FakeNotifications> server;
    if (c.server != Server::None)
        server.emplace(desktop(), c.server == Server::Markup ? QStringList{"body", "body-markup"} : QStringList{"body"},
                       c.server == Server::Refusing);
    std::optional<FakeFileManager> files;
    if (c.fileManager)
        files.emplace(desktop());
    Prepare(QStringLiteral("Tom & Jerry"));
    if (c.fail)
        fs::remove_all(out);
    Focus(c.mainWindowActive);
    const auto outcome = Run();
    ASSERT_TRUE(outcome.has_value());
    QTest::qWait(300);  // time for a notification that should not come
    EXPECT_TRUE(printed.empty()) << printed.front().toStdString();
    EXPECT_EQ(shell.messages.size(), c.fail ? 1u : 0u);
    if (!c.fail) {
        EXPECT_EQ(entriesReadBack(out / "Tom & Jerry.zip").size(), 1u);
    }
    const std::size_t notices = server ? server->calls.size() : 0;
    ASSERT_EQ(notices, c.summary.isEmpty() ? 0u : 1u);
    if (notices == 0)
        return;
    const FakeNotifications::Call& call = server->calls[0];
    EXPECT_EQ(call.summary, c.summary);
    EXPECT_EQ(call.body, c.body.isEmpty() ? shell.messages.at(0).text.section(QLatin1Char('\n'), 0, 0)
                                          : c.body.arg(QString::fromStdString(out.string())));
    EXPECT_EQ(call.actions.value(0), QStringLiteral("default"));
    EXPECT_EQ(call.icon, QStringLiteral("volarin-z"));
    EXPECT_EQ(call.hints.value("desktop-entry"), QStringLiteral("volarin-z"));
    if (c.fail)
        return;

    server->Click(41);
    const QString archive = QString::fromStdString("file://" + (out / "Tom%20&%20Jerry.zip").string());
    if (files) {
        ASSERT_TRUE(waitFor([&] { return files->shown.size() == 1; }));
        EXPECT_EQ(files->shown[0], std::make_pair(QStringList{archive}, QStringLiteral("token-41")));
        EXPECT_TRUE(shell.openedUrls.empty());
    } else {
        ASSERT_TRUE(waitFor([&] { return shell.openedUrls.size() == 1; }));
        EXPECT_EQ(shell.openedUrls[0], QUrl::fromLocalFile(QString::fromStdString(out.string())).toString());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NotificationTest,
    ::testing::Values(
        NoticeCase{"ActiveWindow", true, false, Server::Plain, true, "", ""},
        NoticeCase{"Ready", false, false, Server::Plain, true, "Archive ready", "\"Tom & Jerry.zip\" is ready in %1."},
        NoticeCase{"ReadyMarkup", false, false, Server::Markup, false, "Archive ready",
                   "\"Tom &amp; Jerry.zip\" is ready in %1."},
        NoticeCase{"Failed", false, true, Server::Plain, false, "Zip run failed", ""},
        NoticeCase{"NoServer", false, false, Server::None, false, "", ""},
        NoticeCase{"Refusing", false, false, Server::Refusing, false, "", ""}),
    [](const auto& info) { return std::string(info.param.label); });

// Without any session bus the program makes the archive and prints nothing about buses.
TEST(DesktopBusAbsent, RunIsUnaffected)
{
    TempDir temp;
    temp.write("p/a.jpg", randomBytes(200000, 3));
    fs::create_directories(temp / "out");
    const fs::path driver = fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "volarin_run_driver";
    ChildProcess child({driver.string(), (temp / "out").string(), (temp / "p").string()},
                       {{"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + (temp / "no-bus").string()},
                        {"XDG_CACHE_HOME", (temp / "cache").string()},
                        {"QT_QPA_PLATFORM", "offscreen"}});
    ASSERT_TRUE(child.Started());
    ASSERT_TRUE(child.WaitForEnd(60000)) << child.Output();
    EXPECT_EQ(child.ExitCode(), 0) << child.Output();
    EXPECT_NE(child.Output().find("ended 2 "), std::string::npos) << child.Output();
    const QString output = QString::fromStdString(child.Output());
    EXPECT_FALSE(output.contains(QStringLiteral("bus"), Qt::CaseInsensitive)) << child.Output();
    EXPECT_EQ(entriesReadBack(temp / "out" / "driven.zip").size(), 1u);
}

}  // namespace

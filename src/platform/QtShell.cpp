#include "QtShell.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QDBusVariant>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QUrl>
#include <QVariantMap>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
Shell* g_instance = nullptr;
}

// Defined here so the interface needs nothing of its default.
Shell& Shell::Instance()
{
    static QtShell desktop;
    return g_instance ? *g_instance : desktop;
}

Shell* Shell::SetInstance(Shell* shell)
{
    Shell* previous = g_instance;
    g_instance = shell;
    return previous;
}

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kOpenUri = QStringLiteral("org.freedesktop.portal.OpenURI");

// "ask" (always offer the application chooser) exists from this version on.
constexpr uint kAskVersion = 3;

} // namespace

QtShell::QtShell(std::string opener) : opener_(std::move(opener)) {}

namespace {

// The window a box is placed over: the top of the active window's owners,
// which outlives any dialog of its own that may be closed while the box is open.
QWidget* BoxOwner()
{
    QWidget* window = QApplication::activeWindow();
    while (window && window->parentWidget())
        window = window->parentWidget()->window();
    return window;
}

// Runs the box's own event loop. The box lives on the heap: should its owner
// go meanwhile, the box goes with it and the loop ends, and nothing is
// deleted twice. True when `accept` was clicked.
bool RunBox(QMessageBox* box, const QAbstractButton* accept = nullptr)
{
    QPointer<QMessageBox> open(box);
    box->exec();
    if (!open)
        return false;
    const bool accepted = accept && box->clickedButton() == accept;
    delete box;
    return accepted;
}

}  // namespace

std::string QtShell::BrowseForFolder(const QString& title, const std::string& initialFolder)
{
    // Over the window that asked, so it opens there and the focus returns to
    // that window when it closes; the portal's picker where the desktop has one.
    auto* picker = new QFileDialog(BoxOwner(), title, QFile::decodeName(initialFolder.c_str()));
    picker->setFileMode(QFileDialog::Directory);
    picker->setOption(QFileDialog::ShowDirsOnly, true);
    QPointer<QFileDialog> open(picker);
    const bool chose = picker->exec() == QDialog::Accepted;
    if (!open)
        return {};
    const QString chosen = chose ? picker->selectedFiles().value(0) : QString();
    delete picker;
    return QFile::encodeName(chosen).toStdString();
}

void QtShell::MessageBox(const QString& text, const QString& title, Icon icon)
{
    QMessageBox::Icon qtIcon = QMessageBox::Information;
    if (icon == Icon::Warning)
        qtIcon = QMessageBox::Warning;
    else if (icon == Icon::Critical)
        qtIcon = QMessageBox::Critical;
    RunBox(new QMessageBox(qtIcon, title, text, QMessageBox::Ok, BoxOwner()));
}

bool QtShell::Ask(const QString& text, const QString& title, const QString& acceptText)
{
    auto* box = new QMessageBox(QMessageBox::Question, title, text, QMessageBox::NoButton, BoxOwner());
    const QAbstractButton* accept = box->addButton(acceptText, QMessageBox::AcceptRole);
    QPushButton* cancel = box->addButton(QMessageBox::Cancel);
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    return RunBox(box, accept);
}

void QtShell::OpenWith(const std::string& file)
{
    if (file.empty())
        return;
    if (QDBusConnection::sessionBus().isConnected())
        OpenWithPortal(file);
    else
        OpenWithFallback(file);
}

void QtShell::OpenWithPortal(const std::string& file)
{
    // Both calls are asynchronous: the portal may take many seconds to answer
    // (it can be starting up, or waiting on the chooser), and the window must
    // keep answering meanwhile.
    QDBusMessage getVersion = QDBusMessage::createMethodCall(
        kPortalService, kPortalPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    getVersion << kOpenUri << QStringLiteral("version");
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(getVersion),
                                                QCoreApplication::instance());
    const std::string opener = opener_;
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [file, opener](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        QDBusPendingReply<QDBusVariant> version = *w;
        if (version.isError()) {
            SpawnDetached({opener, file});
            return;
        }
        const int fd = ::open(file.c_str(), O_PATH | O_CLOEXEC);
        if (fd < 0) {
            SpawnDetached({opener, file});
            return;
        }
        QVariantMap options;
        if (version.value().variant().toUInt() >= kAskVersion)
            options.insert(QStringLiteral("ask"), true);
        QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kOpenUri,
                                                           QStringLiteral("OpenFile"));
        call << QString() << QVariant::fromValue(QDBusUnixFileDescriptor(fd)) << options;
        ::close(fd); // QDBusUnixFileDescriptor holds its own duplicate
        auto* opening = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call),
                                                    QCoreApplication::instance());
        QObject::connect(opening, &QDBusPendingCallWatcher::finished, opening,
                         [file, opener](QDBusPendingCallWatcher* o) {
                             o->deleteLater();
                             if (o->isError())
                                 SpawnDetached({opener, file});
                         });
    });
}

void QtShell::OpenWithFallback(const std::string& file)
{
    SpawnDetached({opener_, file});
}

void QtShell::OpenUrl(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url));
}

bool QtShell::SpawnDetached(const std::vector<std::string>& argv)
{
    if (argv.empty())
        return false;
    // Everything the child needs is prepared before fork: only async-signal-safe
    // calls run between fork and exec.
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild == 0) {
            ::execvp(args[0], args.data());
            ::_exit(127);
        }
        ::_exit(grandchild < 0 ? 1 : 0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return true;
}

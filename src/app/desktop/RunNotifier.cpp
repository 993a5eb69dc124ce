#include "RunNotifier.h"

#include "BidiIsolate.h"
#include "FileManagerReveal.h"
#include "RunOutcome.h"
#include "UserMessage.h"

#include <QApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFile>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kDefault = QStringLiteral("default");

QString shown(const std::filesystem::path& path)
{
    return BidiIsolate(QDir::toNativeSeparators(QFile::decodeName(path.c_str())));
}

QString firstLine(const Failure& failure)
{
    return UserMessage::For(failure).text.section(QLatin1Char('\n'), 0, 0);
}

// Servers that read markup in the body would take a "&" or "<" of a file
// name for markup.
QString escaped(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
        .replace(QLatin1Char('<'), QStringLiteral("&lt;"))
        .replace(QLatin1Char('>'), QStringLiteral("&gt;"));
}

}  // namespace

RunNotifier::RunNotifier(QWidget* window, QDBusConnection bus, QObject* parent)
    : QObject(parent), window_(window), bus_(std::move(bus))
{
    if (!bus_.isConnected())
        return;
    bus_.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                 SLOT(OnActionInvoked(uint, QString)));
    bus_.connect(kService, kPath, kInterface, QStringLiteral("ActivationToken"), this,
                 SLOT(OnActivationToken(uint, QString)));
    bus_.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                 SLOT(OnClosed(uint, uint)));
}

RunNotifier::Notice RunNotifier::For(const RunOutcome& outcome, const std::filesystem::path& archive)
{
    if (outcome.end != RunOutcome::End::Completed) {
        //: Notification title when a run in the background ended without an archive.
        return {tr("Zip run failed"),
                outcome.failure ? firstLine(*outcome.failure)
                                : tr("\"%1\" was not written.").arg(shown(archive.filename()))};
    }
    //: %1 the archive's file name, %2 its folder.
    QString body = tr("\"%1\" is ready in %2.").arg(shown(archive.filename()), shown(archive.parent_path()));
    // Files left out are said on a line of their own.
    if (outcome.failure)
        body += QLatin1Char('\n') + firstLine(*outcome.failure);
    //: Notification title when a run in the background made its archive.
    return {tr("Archive ready"), body};
}

void RunNotifier::Starting(const std::filesystem::path& archive)
{
    archive_ = archive;
}

void RunNotifier::Ended(const RunOutcome& outcome)
{
    if (!bus_.isConnected() || WindowActive())
        return;
    switch (outcome.end) {
    case RunOutcome::End::Completed:
    case RunOutcome::End::Failed:
    case RunOutcome::End::NotStarted:
        break;
    case RunOutcome::End::Stopped:
        return;  // the user stopped it: they were there to see it end
    }
    const bool completed = outcome.end == RunOutcome::End::Completed;
    if (completed && archive_.empty())
        return;  // a run not started through the window: nothing to name
    const Notice notice = For(outcome, archive_);
    // The body is escaped only for a server that reads markup, so none shows "&amp;".
    const QDBusMessage ask =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("GetCapabilities"));
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(ask), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, notice, completed](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QStringList> capabilities = *w;
        if (capabilities.isError())
            return;  // no server, or one that will not talk: nothing to tell
        Notify(notice, completed, capabilities.value().contains(QStringLiteral("body-markup")));
    });
}

void RunNotifier::Notify(const Notice& notice, bool completed, bool bodyMarkup)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), QStringLiteral("volarin-z")},
        {QStringLiteral("category"), completed ? QStringLiteral("transfer.complete") : QStringLiteral("transfer.error")},
        {QStringLiteral("urgency"), QVariant::fromValue<uchar>(completed ? 1 : 2)},
    };
    call << QApplication::applicationName() << uint(0) << QStringLiteral("volarin-z") << notice.summary
         << (bodyMarkup ? escaped(notice.body) : notice.body)
         << QStringList{kDefault, completed ? tr("Show in Folder") : tr("Show Window")}
         << hints << int(-1);
    const std::filesystem::path archive = completed ? archive_ : std::filesystem::path();
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, archive](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<uint> id = *w;
        if (!id.isError())
            shown_.insert(id.value(), archive);
    });
}

void RunNotifier::OnActionInvoked(uint id, const QString& action)
{
    const auto it = shown_.constFind(id);
    if (it == shown_.constEnd() || action != kDefault)
        return;
    if (!it->empty()) {
        FileManagerReveal::Show(bus_, *it, tokens_.value(id));
    } else if (window_) {
        window_->showNormal();
        window_->raise();
        window_->activateWindow();
    }
}

void RunNotifier::OnActivationToken(uint id, const QString& token)
{
    if (shown_.contains(id))
        tokens_.insert(id, token);
}

void RunNotifier::OnClosed(uint id, uint /*reason*/)
{
    shown_.remove(id);
    tokens_.remove(id);
}

bool RunNotifier::WindowActive() const
{
    const QWidget* active = QApplication::activeWindow();
    return window_ && active && (active == window_ || window_->isAncestorOf(active));
}

#include "FileManagerReveal.h"

#include "Shell.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QUrl>

namespace FileManagerReveal {

void Show(QDBusConnection bus, const std::filesystem::path& file, const QString& startupId)
{
    const QString folderUrl = QUrl::fromLocalFile(QFile::decodeName(file.parent_path().c_str())).toString();
    if (!bus.isConnected()) {
        Shell::Instance().OpenUrl(folderUrl);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    // Encoded, as file managers parse it ("%20" for a space).
    call << QStringList{QString::fromLatin1(QUrl::fromLocalFile(QFile::decodeName(file.c_str())).toEncoded())}
         << startupId;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [folderUrl](QDBusPendingCallWatcher* w) {
        if (w->isError())
            Shell::Instance().OpenUrl(folderUrl);
        w->deleteLater();
    });
}

}  // namespace FileManagerReveal

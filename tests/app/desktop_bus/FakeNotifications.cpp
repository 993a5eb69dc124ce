#include "FakeNotifications.h"

#include <QDBusMessage>

namespace {
const QString kName = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
}  // namespace

FakeNotifications::FakeNotifications(QDBusConnection bus, QStringList capabilities, bool refuse)
    : bus_(std::move(bus)), capabilities_(std::move(capabilities)), refuse_(refuse)
{
    registered = bus_.registerObject(kPath, this, QDBusConnection::ExportAllSlots) && bus_.registerService(kName);
}

FakeNotifications::~FakeNotifications()
{
    bus_.unregisterService(kName);
    bus_.unregisterObject(kPath);
}

bool FakeNotifications::Refused()
{
    if (refuse_)
        sendErrorReply(QDBusError::AccessDenied, QStringLiteral("not now"));
    return refuse_;
}

QStringList FakeNotifications::GetCapabilities()
{
    return Refused() ? QStringList() : capabilities_;
}

uint FakeNotifications::Notify(const QString&, uint, const QString& icon, const QString& summary,
                               const QString& body, const QStringList& actions, const QVariantMap& hints, int)
{
    if (Refused())
        return 0;
    calls.push_back({icon, summary, body, actions, hints});
    return uint(calls.size()) + 40;
}

void FakeNotifications::CloseNotification(uint) {}

void FakeNotifications::Click(uint id)
{
    QDBusMessage token = QDBusMessage::createSignal(kPath, kName, QStringLiteral("ActivationToken"));
    token << id << QStringLiteral("token-%1").arg(id);
    bus_.send(token);
    QDBusMessage click = QDBusMessage::createSignal(kPath, kName, QStringLiteral("ActionInvoked"));
    click << id << QStringLiteral("default");
    bus_.send(click);
}

#pragma once
// A notification server on the test's session bus: records each Notify,
// refuses every call when told to, and sends a click on a notification.
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <vector>

class FakeNotifications : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString icon, summary, body;
        QStringList actions;
        QVariantMap hints;
    };

    FakeNotifications(QDBusConnection bus, QStringList capabilities, bool refuse)
        : bus_(std::move(bus)), capabilities_(std::move(capabilities)), refuse_(refuse)
    {
        registered = bus_.registerObject(kPath, this, QDBusConnection::ExportAllSlots) && bus_.registerService(kName);
    }
    ~FakeNotifications() override
    {
        bus_.unregisterService(kName);
        bus_.unregisterObject(kPath);
    }
    bool registered = false;
    std::vector<Call> calls;

    // What a click on notification `id` sends: its activation token, then the action.
    void Click(uint id)
    {
        bus_.send(QDBusMessage::createSignal(kPath, kName, QStringLiteral("ActivationToken"))
                  << id << QStringLiteral("token-%1").arg(id));
        bus_.send(QDBusMessage::createSignal(kPath, kName, QStringLiteral("ActionInvoked"))
                  << id << QStringLiteral("default"));
    }

public slots:
    QStringList GetCapabilities() { return Refused() ? QStringList() : capabilities_; }
    uint Notify(const QString&, uint, const QString& icon, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int)
    {
        if (Refused())
            return 0;
        calls.push_back({icon, summary, body, actions, hints});
        return uint(calls.size()) + 40;
    }
    void CloseNotification(uint) {}

private:
    bool Refused()
    {
        if (refuse_)
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("not now"));
        return refuse_;
    }
    static inline const QString kName = QStringLiteral("org.freedesktop.Notifications");
    static inline const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
    QDBusConnection bus_;
    QStringList capabilities_;
    bool refuse_;
};

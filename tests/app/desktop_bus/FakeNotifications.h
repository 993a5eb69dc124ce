#pragma once
// A notification server on the test's session bus: records each Notify,
// refuses every call when told to, and sends a click on a notification.
#include <QDBusConnection>
#include <QDBusContext>
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

    // Takes the server's name on `bus`; false in `registered` when it could not.
    FakeNotifications(QDBusConnection bus, QStringList capabilities, bool refuse);
    ~FakeNotifications() override;
    bool registered = false;
    std::vector<Call> calls;
    // What a click on notification `id` sends.
    void Click(uint id);

public slots:
    QStringList GetCapabilities();
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int timeout);
    void CloseNotification(uint id);

private:
    bool Refused();
    QDBusConnection bus_;
    QStringList capabilities_;
    bool refuse_;
};

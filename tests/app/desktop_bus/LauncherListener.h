#pragma once
// Listens on the test's session bus for the task bar's LauncherEntry Update
// signals, as a dock does.
#include "LauncherProgress.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

#include <vector>

class LauncherListener : public QObject {
    Q_OBJECT
public:
    struct Update {
        QString uri;
        QVariantMap properties;
    };
    explicit LauncherListener(QDBusConnection bus)
    {
        listening = bus.connect(QString(), LauncherProgress::kPath, LauncherProgress::kInterface,
                                QStringLiteral("Update"), this, SLOT(Received(QString, QVariantMap)));
    }
    bool listening = false;
    std::vector<Update> updates;

public slots:
    void Received(const QString& uri, const QVariantMap& properties) { updates.push_back({uri, properties}); }
};

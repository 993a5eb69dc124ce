#pragma once
// The run's progress on task bars and docks: the LauncherEntry "Update"
// signal on the session bus, which docks and task managers (KDE Plasma,
// Dash to Dock, Plank, Unity) read for the program's desktop entry. Without
// a session bus nothing is sent and nothing is said.
#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

class LauncherProgress : public QObject {
    Q_OBJECT
public:
    static inline const QString kAppUri = QStringLiteral("application://volarin-z.desktop");
    static inline const QString kInterface = QStringLiteral("com.canonical.Unity.LauncherEntry");
    static inline const QString kPath = QStringLiteral("/com/canonical/unity/launcherentry/volarin_z");

    explicit LauncherProgress(QDBusConnection bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);
    // A run still shown is taken off the task bar (the window closed during it).
    ~LauncherProgress() override;

public slots:
    // The archive is open: progress 0, shown.
    void Show();
    // Sent only when the percentage changes, so a run of many small files
    // does not flood the bus.
    void SetPercent(int percent);
    // The run ended however it ended: the progress is taken away.
    void Hide();

private:
    // Only the properties that change; the others keep their last value.
    void Send(const QVariantMap& properties);

    QDBusConnection bus_;
    bool visible_ = false;
    int percent_ = -1;
};

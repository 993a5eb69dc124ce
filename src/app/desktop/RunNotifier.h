#pragma once
// One desktop notification when a run ends while the user works elsewhere:
// the archive is ready (named, with its folder) or the run failed (the first
// line of the message the window shows). Its default action shows the
// archive in the file manager, or brings the window forward after a failure.
// No session bus, no notification server or one that refuses: nothing
// happens and nothing is said; the run is never held up, as every call is
// asynchronous.
#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <filesystem>

struct RunOutcome;

class RunNotifier : public QObject {
    Q_OBJECT
public:
    struct Notice {
        QString summary;
        QString body;
    };

    explicit RunNotifier(QWidget* window, QDBusConnection bus = QDBusConnection::sessionBus(),
                         QObject* parent = nullptr);

    // What a notification of this outcome of a run on `archive` says.
    static Notice For(const RunOutcome& outcome, const std::filesystem::path& archive);

public slots:
    // The archive the run about to start writes.
    void Starting(const std::filesystem::path& archive);
    // Notifies of a completed or failed run unless the window (or a window of
    // its own) is the active one.
    void Ended(const RunOutcome& outcome);

private slots:
    void OnActionInvoked(uint id, const QString& action);
    void OnActivationToken(uint id, const QString& token);
    void OnClosed(uint id, uint reason);

private:
    bool WindowActive() const;
    void Notify(const Notice& notice, bool completed, bool bodyMarkup);

    QPointer<QWidget> window_;
    QDBusConnection bus_;
    std::filesystem::path archive_;
    // Our notifications still open: the archive each shows ("" after a failure).
    QHash<uint, std::filesystem::path> shown_;
    QHash<uint, QString> tokens_;  // activation tokens handed with a click, for the file manager
};

#pragma once
// org.freedesktop.FileManager1 on the test's session bus: records ShowItems.
#include <QDBusConnection>
#include <QObject>
#include <QStringList>

#include <vector>

class FakeFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    explicit FakeFileManager(QDBusConnection bus) : bus_(std::move(bus))
    {
        registered = bus_.registerObject(kPath, this, QDBusConnection::ExportAllSlots)
                     && bus_.registerService(QStringLiteral("org.freedesktop.FileManager1"));
    }
    ~FakeFileManager() override
    {
        bus_.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
        bus_.unregisterObject(kPath);
    }
    bool registered = false;
    std::vector<std::pair<QStringList, QString>> shown;  // uris, startup id

public slots:
    void ShowItems(const QStringList& uris, const QString& startupId) { shown.emplace_back(uris, startupId); }

private:
    static inline const QString kPath = QStringLiteral("/org/freedesktop/FileManager1");
    QDBusConnection bus_;
};

#include "LauncherProgress.h"

#include <QDBusMessage>
#include <QVariantMap>

LauncherProgress::LauncherProgress(QDBusConnection bus, QObject* parent) : QObject(parent), bus_(std::move(bus)) {}

LauncherProgress::~LauncherProgress()
{
    Hide();
}

void LauncherProgress::Show()
{
    visible_ = true;
    percent_ = 0;
    Send({{QStringLiteral("progress"), 0.0}, {QStringLiteral("progress-visible"), true}});
}

void LauncherProgress::SetPercent(int percent)
{
    if (!visible_ || percent == percent_)
        return;
    percent_ = percent;
    Send({{QStringLiteral("progress"), percent / 100.0}, {QStringLiteral("progress-visible"), true}});
}

void LauncherProgress::Hide()
{
    if (!visible_)
        return;
    visible_ = false;
    percent_ = -1;
    Send({{QStringLiteral("progress-visible"), false}});
}

void LauncherProgress::Send(const QVariantMap& properties)
{
    if (!bus_.isConnected())
        return;
    QDBusMessage update = QDBusMessage::createSignal(kPath, kInterface, QStringLiteral("Update"));
    update << kAppUri << properties;
    bus_.send(update);
}

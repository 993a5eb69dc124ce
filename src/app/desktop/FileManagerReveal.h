#pragma once
// Shows a file selected in the user's file manager (FileManager1.ShowItems on
// the session bus: Nautilus, Dolphin, Nemo, Caja, Thunar); where no file
// manager answers, its folder is opened through the Shell. Asynchronous.
#include <QDBusConnection>
#include <QString>

#include <filesystem>

namespace FileManagerReveal {
// `startupId` lets the file manager take the focus (an activation token); may be "".
void Show(QDBusConnection bus, const std::filesystem::path& file, const QString& startupId);
}

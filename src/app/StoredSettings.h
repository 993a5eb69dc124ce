#pragma once
// Applies a window's stored control settings (":/forms/<Window>.frm") to the
// owner-drawn controls it hosts, found by object name. Runs before the
// window's load step, so the load step's own changes (disabled buttons) win.
#include <QString>
#include <QStringList>

class QWidget;

struct StoredSettingsResult {
    bool ok = false;
    QStringList problems; // load error, warnings, controls named but not found
};

StoredSettingsResult ApplyStoredSettings(QWidget& window, const QString& formDataPath);

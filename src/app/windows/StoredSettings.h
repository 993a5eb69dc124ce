#pragma once
// Applies a window's stored form data (":/forms/<Window>.frm"): the size of
// the window (its own section, named like the window's object), the place of
// every control (Left, Top, Width, Height in pixels, mirrored in a
// right-to-left window) and the stored properties of the owner-drawn
// controls, found by object name; a button's caption is translated in the
// context named like the form file ("Form1"). Runs before the window's load
// step, so the load step's own changes (disabled buttons) win.
#include <QString>
#include <QStringList>

class QWidget;

struct StoredSettingsResult {
    bool ok = false;
    QStringList problems; // load error, warnings, controls named but not found
};

StoredSettingsResult ApplyStoredSettings(QWidget& window, const QString& formDataPath);

// ApplyStoredSettings, with every problem reported on stderr: a broken form
// file leaves controls misplaced or plain, but must not keep the window from opening.
void LoadStoredSettings(QWidget& window, const QString& formDataPath);

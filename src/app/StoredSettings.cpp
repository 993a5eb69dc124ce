#include "StoredSettings.h"

#include "FormData.h"
#include "XP_ProgressBar.h"
#include "chameleonButton.h"

#include <QWidget>

StoredSettingsResult ApplyStoredSettings(QWidget& window, const QString& formDataPath)
{
    StoredSettingsResult result;
    FormData form;
    const FormData::Result loaded = form.Load(formDataPath);
    if (!loaded.ok) {
        result.problems << loaded.error;
        return result;
    }
    result.problems << loaded.warnings;
    for (const QString& name : form.ControlNames()) {
        QWidget* control = window.findChild<QWidget*>(name);
        if (auto* button = qobject_cast<chameleonButton*>(control))
            button->ReadProperties(form.Control(name));
        else if (auto* bar = qobject_cast<XP_ProgressBar*>(control))
            bar->ReadProperties(form.Control(name));
        else
            result.problems << QStringLiteral("%1: no owner-drawn control named %2").arg(formDataPath, name);
    }
    result.ok = true;
    return result;
}

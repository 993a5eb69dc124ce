#include "StoredSettings.h"

#include "FormData.h"
#include "XP_ProgressBar.h"
#include "chameleonButton.h"

#include <QWidget>
#include <QtGlobal>

namespace {

const QStringList kGeometryKeys = {QStringLiteral("left"), QStringLiteral("top"), QStringLiteral("width"),
                                   QStringLiteral("height")};

// The window keeps the stored size; a control gets its stored rectangle.
void ApplyGeometry(QWidget& widget, const PropertyBag& bag, bool isWindow)
{
    const auto value = [&bag](const char* key) { return bag.TryReadInt(QString::fromLatin1(key)); };
    const auto width = value("Width"), height = value("Height");
    if (!width || !height)
        return;
    if (isWindow) {
        widget.setFixedSize(*width, *height);
        return;
    }
    if (const auto left = value("Left"), top = value("Top"); left && top)
        widget.setGeometry(*left, *top, *width, *height);
}

// A plain widget takes nothing but its place from the form data.
QStringList UnusedKeys(const PropertyBag& bag)
{
    QStringList unused;
    for (const auto& [key, value] : bag.Entries())
        if (!kGeometryKeys.contains(key))
            unused << key;
    return unused;
}

QWidget* FindControl(QWidget& window, const QString& name)
{
    if (name.compare(window.objectName(), Qt::CaseInsensitive) == 0)
        return &window;
    return window.findChild<QWidget*>(name);
}

} // namespace

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
        const PropertyBag& bag = form.Control(name);
        QWidget* control = FindControl(window, name);
        if (!control) {
            result.problems << QStringLiteral("%1: no control named %2").arg(formDataPath, name);
            continue;
        }
        ApplyGeometry(*control, bag, control == &window);
        if (auto* button = qobject_cast<chameleonButton*>(control))
            button->ReadProperties(bag);
        else if (auto* bar = qobject_cast<XP_ProgressBar*>(control))
            bar->ReadProperties(bag);
        else if (const QStringList unused = UnusedKeys(bag); !unused.isEmpty())
            result.problems << QStringLiteral("%1: %2 takes only its place, not %3")
                                   .arg(formDataPath, name, unused.join(QStringLiteral(", ")));
    }
    result.ok = true;
    return result;
}

void LoadStoredSettings(QWidget& window, const QString& formDataPath)
{
    for (const QString& problem : ApplyStoredSettings(window, formDataPath).problems)
        qWarning("%s", qUtf8Printable(problem));
}

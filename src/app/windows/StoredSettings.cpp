#include "StoredSettings.h"

#include "FormData.h"
#include "XP_ProgressBar.h"
#include "chameleonButton.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStyle>
#include <QWidget>
#include <QtGlobal>

#include <optional>
#include <utility>
#include <vector>

namespace {

const QStringList kGeometryKeys = {QStringLiteral("left"), QStringLiteral("top"), QStringLiteral("width"),
                                   QStringLiteral("height")};

// The window keeps the stored size; a control gets its stored rectangle,
// returned to be placed once every parent has its size.
std::optional<QRect> ApplyGeometry(QWidget& widget, const PropertyBag& bag, bool isWindow)
{
    const auto value = [&bag](const char* key) { return bag.TryReadInt(QString::fromLatin1(key)); };
    const auto width = value("Width"), height = value("Height");
    if (!width || !height)
        return std::nullopt;
    if (isWindow) {
        widget.setFixedSize(*width, *height);
        return std::nullopt;
    }
    if (const auto left = value("Left"), top = value("Top"); left && top)
        return QRect(*left, *top, *width, *height);
    return std::nullopt;
}

// The stored places are those of a left-to-right window; right to left each
// control is placed as their mirror image in its parent, as Qt's layouts place them.
void Place(QWidget& control, const QRect& stored)
{
    const QWidget* parent = control.parentWidget();
    control.setGeometry(parent ? QStyle::visualRect(control.layoutDirection(), parent->rect(), stored) : stored);
}

// A button's stored caption is the English text; the form's name is its translation context.
void TranslateCaption(chameleonButton& button, const QString& formDataPath)
{
    const QString caption = button.Caption();
    if (caption.isEmpty())
        return;
    const QByteArray context = QFileInfo(formDataPath).completeBaseName().toUtf8();
    button.SetCaption(QCoreApplication::translate(context.constData(), caption.toUtf8().constData()));
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
    const FormData::LoadReport loaded = form.Load(formDataPath);
    if (!loaded.ok) {
        result.problems << loaded.error;
        return result;
    }
    result.problems << loaded.warnings;
    std::vector<std::pair<QWidget*, QRect>> places;
    for (const QString& name : form.ControlNames()) {
        const PropertyBag& bag = form.Control(name);
        QWidget* control = FindControl(window, name);
        if (!control) {
            result.problems << QStringLiteral("%1: no control named %2").arg(formDataPath, name);
            continue;
        }
        if (const std::optional<QRect> place = ApplyGeometry(*control, bag, control == &window))
            places.emplace_back(control, *place);
        if (auto* button = qobject_cast<chameleonButton*>(control)) {
            button->ReadProperties(bag);
            TranslateCaption(*button, formDataPath);
        } else if (auto* bar = qobject_cast<XP_ProgressBar*>(control))
            bar->ReadProperties(bag);
        else if (const QStringList unused = UnusedKeys(bag); !unused.isEmpty())
            result.problems << QStringLiteral("%1: %2 takes only its place, not %3")
                                   .arg(formDataPath, name, unused.join(QStringLiteral(", ")));
    }
    for (const auto& [control, place] : places)
        Place(*control, place);
    result.ok = true;
    return result;
}

void LoadStoredSettings(QWidget& window, const QString& formDataPath)
{
    for (const QString& problem : ApplyStoredSettings(window, formDataPath).problems)
        qWarning("%s", qUtf8Printable(problem));
}

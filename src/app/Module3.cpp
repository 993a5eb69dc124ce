#include "Module3.h"

#include "FileSystem.h"
#include "Form1.h"
#include "Shell.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace Module3 {

void SetUpNames()
{
    QApplication::setApplicationName(QStringLiteral("Volarin Z"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setOrganizationName(QStringLiteral("Volarin"));
    QApplication::setDesktopFileName(QStringLiteral("volarin-z"));
}

void SetUpFonts()
{
    const QString general = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {general, QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Cambria"), {QStringLiteral("Caladea"), QStringLiteral("DejaVu Serif")});
    // The weight is given where the family is used (QFont::Black).
    QFont::insertSubstitutions(QStringLiteral("Arial Black"), {QStringLiteral("DejaVu Sans"), general});
}

void SetUpPlatform()
{
    // The real shell and file system are the defaults; nothing replaces them
    // outside tests. Touching them here creates them before any window does.
    (void)Shell::Instance();
    (void)FileSystem::Instance();
}

int Main(int argc, char** argv)
{
    QApplication app(argc, argv);
    SetUpNames();
    SetUpFonts();
    SetUpPlatform();
    auto* form = new Form1;
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    return app.exec();
}

} // namespace Module3

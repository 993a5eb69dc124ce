#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString kPrefix = QStringLiteral("volarin-z_");

QString& Installed()
{
    static QString language;
    return language;
}

// The names a wanted language may be shipped under, most exact first.
QStringList Candidates(const QString& wanted)
{
    QString name = wanted;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QLocale locale(name);
    QStringList names{name, locale.name(), QLocale::languageToCode(locale.language())};
    names.removeDuplicates();
    return names;
}

bool Load(QTranslator* translator, const QString& file, const QStringList& folders)
{
    for (const QString& folder : folders)
        if (translator->load(file, folder))
            return true;
    return false;
}

} // namespace

QString Translations::Choose(const QStringList& wanted, const QStringList& shipped)
{
    for (const QString& language : wanted) {
        const QLocale locale(QString(language).replace(QLatin1Char('-'), QLatin1Char('_')));
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return {};
        for (const QString& name : Candidates(language))
            if (shipped.contains(name))
                return name;
    }
    return {};
}

QStringList Translations::Folders(const QString& programFolder)
{
    const QDir dir(programFolder);
    return {QDir::cleanPath(dir.filePath(QStringLiteral("../share/volarin-z/translations"))),
            QDir::cleanPath(dir.filePath(QStringLiteral("translations")))};
}

QStringList Translations::Shipped(const QString& programFolder)
{
    for (const QString& folder : Folders(programFolder)) {
        QStringList languages;
        for (const QString& file : QDir(folder).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files))
            languages << file.mid(kPrefix.size()).chopped(3);
        if (!languages.isEmpty())
            return languages;
    }
    return {};
}

void Translations::Install(const QString& programFolder, const QLocale& locale)
{
    QCoreApplication* app = QCoreApplication::instance();
    const QStringList folders = Folders(programFolder);
    // English plural forms lie under every other translation, and stand in
    // for a word a translation does not have yet.
    auto* english = new QTranslator(app);
    if (Load(english, kPrefix + QStringLiteral("en"), folders))
        QCoreApplication::installTranslator(english);
    else
        delete english;

    const QString language = Choose(locale.uiLanguages(), Shipped(programFolder));
    Installed() = QString();
    if (language.isEmpty())
        return;
    auto* ours = new QTranslator(app);
    if (!Load(ours, kPrefix + language, folders)) {
        delete ours;
        return;
    }
    // Qt's own words: the folder picker's and the message boxes' buttons.
    auto* qt = new QTranslator(app);
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || qt->load(QStringLiteral("qtbase_") + language.section(QLatin1Char('_'), 0, 0),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QCoreApplication::installTranslator(ours);
    Installed() = language;
    // Set before any window exists, so each is laid out that way from the start.
    if (qobject_cast<QGuiApplication*>(app) && QLocale(language).textDirection() == Qt::RightToLeft)
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
}

QString Translations::Language()
{
    return Installed();
}

QLocale Translations::DateLocale()
{
    return Installed().isEmpty() ? QLocale() : QLocale(Installed());
}

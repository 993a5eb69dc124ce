#pragma once
// The program's words in the user's language: the translation the desktop's
// language settings (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) ask for, Qt's own
// for its standard dialogs, and the layout direction that language reads in.
// English is the language of the sources; its file holds only plural forms.
#include <QLocale>
#include <QString>
#include <QStringList>

class Translations {
public:
    // The shipped language to show for the languages a user wants, in order
    // ("de-DE", "pt-BR", "zh-Hans-CN", "en-US"): the first that is shipped as
    // it is or by its language alone; "" (English) when English comes first
    // or none is shipped.
    static QString Choose(const QStringList& wanted, const QStringList& shipped);

    // The folders looked in, in order, for a program in programFolder:
    // installed under ../share/volarin-z/translations, or beside it in a build tree.
    static QStringList Folders(const QString& programFolder);
    // The languages with a translation in the first folder that has any.
    static QStringList Shipped(const QString& programFolder);

    // Installs the English plural forms, the translation chosen for `locale`
    // with Qt's own, and, with a window system, the language's layout direction.
    // Needs the application object; the translators live as long as it does.
    static void Install(const QString& programFolder, const QLocale& locale = QLocale::system());

    // The language installed, "" for English.
    static QString Language();
    // What dates are worded in: the installed language, else the user's locale.
    static QLocale DateLocale();
};

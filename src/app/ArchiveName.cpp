#include "ArchiveName.h"

#include <QFile>

QString ArchiveName::Propose(const QString& extensionRow, const QDate& date, const QLocale& locale)
{
    return QStringLiteral("%1 ZIP Archive %2 %3 %4")
        .arg(extensionRow.toUpper(), locale.monthName(date.month(), QLocale::ShortFormat))
        .arg(date.day())
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

std::string ArchiveName::ToBytes(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

std::optional<QString> ArchiveName::Check(const QString& name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Please type a name for the archive.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("\"%1\" cannot be used as a file name. Please choose another name.").arg(name);
    if (name.contains(QLatin1Char('/')))
        return QStringLiteral("The name may not contain \"/\". Please choose another name.");
    if (name.contains(QChar(0)) || name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')))
        return QStringLiteral("The name may not contain a line break or a NUL character. Please choose another name.");
    const size_t bytes = ToBytes(name).size();
    if (bytes > kMaxBytes)
        return QStringLiteral("The name is %1 bytes long; at most %2 are possible (with \".zip\" added). Please "
                              "choose a shorter name.")
            .arg(bytes)
            .arg(kMaxBytes);
    return std::nullopt;
}

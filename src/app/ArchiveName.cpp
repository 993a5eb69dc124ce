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

Status ArchiveName::Check(const QString& name)
{
    const auto refused = [&name](FailureKind kind, size_t size = 0) {
        return Failure{.kind = kind, .name = name, .size = size};
    };
    if (name.trimmed().isEmpty())
        return refused(FailureKind::NameEmpty);
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return refused(FailureKind::NameDots);
    if (name.contains(QLatin1Char('/')))
        return refused(FailureKind::NameHasSlash);
    if (name.contains(QChar(0)) || name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')))
        return refused(FailureKind::NameHasLineBreakOrNul);
    const size_t bytes = ToBytes(name).size();
    if (bytes > kMaxBytes)
        return refused(FailureKind::NameTooLong, bytes);
    return {};
}

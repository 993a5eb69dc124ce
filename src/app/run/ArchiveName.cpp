#include "ArchiveName.h"

#include "DriveRules.h"
#include "ExtensionList.h"

#include <QFile>

#include <string_view>

QString ArchiveName::Propose(const QString& extensionRow, const QDate& date, const QLocale& locale)
{
    // Asterisks and brackets in a file name keep it off USB sticks and Windows shares.
    //: Stands for every kind of file in the proposed archive name ("ALL ZIP Archive Dec 6 2026"); shown upper-cased.
    const QString kind = extensionRow == ExtensionList::kAllRow ? tr("All") : extensionRow;
    // Day and year in the digits a file name is typed with, in every language.
    //: The archive name proposed in the Output window, a file name: %1 the file kind upper-cased (JPG),
    //: %2 the abbreviated month, %3 the day, %4 the year; order them as a date reads in your language.
    return DriveSafe(tr("%1 ZIP Archive %2 %3 %4")
                         .arg(locale.toUpper(kind), locale.monthName(date.month(), QLocale::ShortFormat),
                              QString::number(date.day()), QString::number(date.year()).rightJustified(4, u'0')));
}

QString ArchiveName::DriveSafe(const QString& name)
{
    static const QString kRefused = QStringLiteral(":*?\"<>|\\/");
    QString safe;
    safe.reserve(name.size());
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || kRefused.contains(c)) {
            if (!safe.endsWith(QLatin1Char(' ')))
                safe += QLatin1Char(' ');
            continue;
        }
        if (c == QLatin1Char(' ') && safe.endsWith(QLatin1Char(' ')))
            continue;
        safe += c;
    }
    while (safe.endsWith(QLatin1Char('.')) || safe.endsWith(QLatin1Char(' ')))
        safe.chop(1);
    while (safe.startsWith(QLatin1Char(' ')))
        safe.remove(0, 1);
    return safe;
}

std::string ArchiveName::ToBytes(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

std::string ArchiveName::FileName(const QString& name)
{
    const QLatin1String suffix(".zip");
    if (name.size() > suffix.size() && name.endsWith(suffix, Qt::CaseInsensitive))
        return ToBytes(name);
    return ToBytes(name) + suffix.data();
}

Status ArchiveName::Check(const QString& name)
{
    const auto refused = [&name](FailureKind kind, size_t size = 0) {
        return Failure{.kind = kind, .name = name, .size = size, .limit = size ? kMaxBytes : 0};
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

Status ArchiveName::CheckOnDrive(const QString& name, const std::filesystem::path& folder)
{
    const std::string file = FileName(name);
    const std::error_code refusal = DriveRules::ProbeName(folder, file);
    std::error_code ignored;
    // A folder gone since it was picked, a full or read-only one: the run says so.
    if (!refusal || !DriveRules::RefusesName(refusal) ||
        (refusal == std::errc::no_such_file_or_directory && !std::filesystem::is_directory(folder, ignored)))
        return {};
    // Windows' reserved characters and the control characters, which FAT,
    // exFAT and NTFS (as a desktop mounts it) refuse alike.
    static constexpr std::string_view kReserved = "\\:*?\"<>|";
    std::string character;
    for (const char c : file)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f || kReserved.find(c) != std::string_view::npos) {
            character.assign(1, c);
            break;
        }
    return Failure{.kind = FailureKind::NameRefusedByDrive, .code = refusal, .path = folder, .other = file,
                   .entry = character};
}

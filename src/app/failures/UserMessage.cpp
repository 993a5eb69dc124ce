#include "UserMessage.h"

#include "DriveRules.h"
#include "SizeText.h"
#include "BidiIsolate.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace fs = std::filesystem;

namespace {

QString shown(const fs::path& p)
{
    return BidiIsolate(QFile::decodeName(QByteArray::fromStdString(p.native())));
}

QString reason(const std::error_code& code)
{
    return QString::fromLocal8Bit(code.message());
}

// What the proof found wrong with an entry, in the words after its name.
QString ProofEntryText(const ProofFault& proof)
{
    switch (proof.what) {
    case ProofFault::What::EntryMissing:
        return UserMessage::tr("is missing");
    case ProofFault::What::HeaderMissing:
        return UserMessage::tr("does not read back (its local header is missing)");
    case ProofFault::What::HeaderDiffers:
        break;
    case ProofFault::What::ExtraDamaged:
        return UserMessage::tr("does not read back (its extra fields are damaged)");
    case ProofFault::What::Unsupported:
        return UserMessage::tr("does not read back (it is stored in a way Volarin Z does not write)");
    case ProofFault::What::PasswordDiffers:
        return UserMessage::tr("does not read back (its password does not fit)");
    case ProofFault::What::DataDamaged:
        return UserMessage::tr("does not read back (its data is damaged)");
    case ProofFault::What::SizeDiffers:
        return UserMessage::tr("does not read back (size differs)");
    case ProofFault::What::CrcDiffers:
        return UserMessage::tr("does not read back (CRC differs)");
    default:
        return UserMessage::tr("could not be read back");
    }
    QString field;
    switch (proof.field) {
    case ProofFault::Field::Name:
        field = UserMessage::tr("name");
        break;
    case ProofFault::Field::Sizes:
        field = UserMessage::tr("sizes");
        break;
    case ProofFault::Field::Crc:
        field = UserMessage::tr("CRC");
        break;
    case ProofFault::Field::Method:
        field = UserMessage::tr("method");
        break;
    case ProofFault::Field::Flags:
        field = UserMessage::tr("flags");
        break;
    case ProofFault::Field::Date:
        field = UserMessage::tr("date");
        break;
    case ProofFault::Field::Extra:
    case ProofFault::Field::None:
        field = UserMessage::tr("extra fields");
        break;
    }
    return UserMessage::tr("does not read back (its local header differs from the central directory: %1)").arg(field);
}

// What the proof of a finished archive found, after "the archive could not be proven: ".
QString ProofText(const ProofFault& proof)
{
    switch (proof.what) {
    case ProofFault::What::Unreadable:
        return UserMessage::tr("it could not be read back");
    case ProofFault::What::EndDamaged:
        return UserMessage::tr("its end record is damaged");
    case ProofFault::What::DirectoryDamaged:
        return UserMessage::tr("its central directory is damaged");
    case ProofFault::What::CountDiffers:
        return UserMessage::tr("it holds %1 entries where %2 were written").arg(proof.found).arg(proof.written);
    default:
        return UserMessage::tr("entry \"%1\" %2")
            .arg(BidiIsolate(QString::fromUtf8(QByteArray::fromStdString(proof.entry))), ProofEntryText(proof));
    }
}

// What failed in a run, in the user's words: the Zipper's step is never shown as it is named inside.
QString StepText(const Failure& f)
{
    switch (f.step) {
    case ZipFailure::FileDoesNotExist:
        return UserMessage::tr("the file no longer exists");
    case ZipFailure::GetTimestamps:
        return UserMessage::tr("its date could not be read");
    case ZipFailure::FileLen:
        return UserMessage::tr("its size could not be read");
    case ZipFailure::AlreadyZipping:
        return UserMessage::tr("another archive is still being written");
    case ZipFailure::OpenZip:
        return UserMessage::tr("it could not be created");
    case ZipFailure::ReadFile:
        // The guess is only for a file that ended early or changed: a reason
        // the system gives is shown as it is.
        if (f.code)
            return UserMessage::tr("the file \"%1\" could not be read").arg(shown(f.other));
        return UserMessage::tr("the file \"%1\" could not be read whole (it changed or vanished during the run)")
            .arg(shown(f.other));
    case ZipFailure::RenameZip:
        return UserMessage::tr("the finished archive could not take its name");
    case ZipFailure::OpenFileInZip:
    case ZipFailure::WriteBytes:
    case ZipFailure::CloseFileInZip:
        return UserMessage::tr("writing \"%1\" into it failed").arg(BidiIsolate(QString::fromStdString(f.entry)));
    case ZipFailure::CloseZip:
        return UserMessage::tr("it could not be finished");
    case ZipFailure::ProveZip:
        return UserMessage::tr("the archive could not be proven: %1").arg(ProofText(f.proof));
    case ZipFailure::None:
        break;
    }
    return UserMessage::tr("the zip engine stopped");
}

// The step, with the system's reason in brackets when there is one.
QString StepWithReason(const Failure& f)
{
    // "File too large" says nothing of the drive whose limit it is.
    if (f.code == std::errc::file_too_large && f.size == DriveRules::kFatLargestFile)
        return UserMessage::tr("%1 (%2)").arg(StepText(f), UserMessage::tr("the drive cannot hold files over 4 GB"));
    //: What failed, then the system's reason for it.
    return f.code ? UserMessage::tr("%1 (%2)").arg(StepText(f), reason(f.code)) : StepText(f);
}

// A file's date in the after-run notes.
QString DateText(const QDate& date)
{
    // Month names in the language of the words around them, not the system's.
    return Translations::DateLocale().toString(date, UserMessage::tr("d MMMM yyyy",
                                                                "a file's date, as in 1 July 1979"));
}

// What readers that know only the DOS date show for a file dated outside it:
// the nearest day that date holds.
QString DateOutsideZipText(const Failure& file)
{
    const QDate dated = QDateTime::fromSecsSinceEpoch(file.time).date();
    const QDate shownAs = dated.year() < 1980 ? QDate(1980, 1, 1) : QDate(2107, 12, 31);
    return UserMessage::tr("dated %1: readers that know only ZIP's own dates show %2")
        .arg(DateText(dated), DateText(shownAs));
}

// A character a drive refuses in names, as the user reads it.
QString RefusedCharacter(const std::string& character)
{
    const auto byte = static_cast<unsigned char>(character.empty() ? 0 : character[0]);
    if (byte < 0x20 || byte == 0x7f)
        return UserMessage::tr("a control character (U+%1)")
            .arg(QStringLiteral("%1").arg(static_cast<int>(byte), 4, 16, QLatin1Char('0')).toUpper());
    return QStringLiteral("\"%1\"").arg(QString::fromStdString(character));
}

// Why one file was left out (or what to know about it), in the words after its name.
QString LeftOutReason(const Failure& file)
{
    if (file.kind == FailureKind::SourceNotAFile)
        return UserMessage::tr("not a file");
    if (file.kind == FailureKind::SourceHidden)
        return UserMessage::tr("hidden file: not put into the archive");
    if (file.kind == FailureKind::SourceReplaced)
        return UserMessage::tr("replaced by the file of the same name from \"%1\"").arg(shown(file.other));
    if (file.kind == FailureKind::NotOfSelectedType)
        return UserMessage::tr("not a .%1 file").arg(file.name);
    if (file.kind == FailureKind::DateOutsideZip)
        return DateOutsideZipText(file);
    return reason(file.code);
}

// One line per file, those of one reason together (in the order the reasons
// first come up), so the user sees at a glance why each group stayed out.
QString LeftOutLines(const std::vector<Failure>& leftOut)
{
    std::vector<std::pair<QString, QStringList>> groups;
    for (const Failure& file : leftOut) {
        const QString why = LeftOutReason(file);
        auto group = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.first == why; });
        if (group == groups.end())
            group = groups.insert(groups.end(), {why, {}});
        group->second << shown(file.path);
    }
    // A long list would make the message box taller than the screen.
    constexpr qsizetype kShown = 20;
    QString text;
    qsizetype lines = 0;
    for (const auto& [why, paths] : groups)
        for (const QString& path : paths)
            if (lines++ < kShown)
                //: One line of the files left out: the file, then why.
                text += QLatin1Char('\n') + UserMessage::tr("%1: %2").arg(path, why);
    if (lines > kShown)
        //: After the first 20 files left out: how many more there are.
        text += QLatin1Char('\n') + UserMessage::tr("... and %n more.", nullptr, static_cast<int>(lines - kShown));
    return text;
}

QString LeftOutText(const fs::path& archive, const std::vector<Failure>& leftOut)
{
    //: %1 is the archive; the files follow, one a line.
    const QString head = UserMessage::tr("%n files were left out of \"%1\":", nullptr, static_cast<int>(leftOut.size()))
                             .arg(shown(archive));
    return head + LeftOutLines(leftOut);
}

QString NotesText(const fs::path& archive, const std::vector<Failure>& notes)
{
    const int count = static_cast<int>(notes.size());
    // Two sources, so that English reads right without a translation loaded.
    const QString head =
        count == 1 ? QCoreApplication::translate("UserMessage",
                                                 "The archive \"%1\" keeps the exact date of %n file dated outside "
                                                 "the years 1980 to 2107:",
                                                 nullptr, count)
                   : QCoreApplication::translate("UserMessage",
                                                 "The archive \"%1\" keeps the exact dates of %n files dated "
                                                 "outside the years 1980 to 2107:",
                                                 nullptr, count);
    return head.arg(shown(archive)) + LeftOutLines(notes);
}

// The notes on a run's archive, after what came before them.
QString WithNotes(QString text, const Failure& f)
{
    if (f.notes.empty())
        return text;
    return (text.isEmpty() ? text : text + QStringLiteral("\n\n")) + NotesText(f.path, f.notes);
}

// Every kind has its words here, in one switch without a default: a kind
// added without words is a compiler warning.
QString Words(const Failure& f)
{
    const QString where = shown(f.path);
    QString text;
    switch (f.kind) {
    case FailureKind::NoFilesFound:
        //: Shown after Browse; the English words start with a space, as they always have.
        return UserMessage::tr(" No File Found. Please try again.");
    case FailureKind::NoFilesOfTypeFound:
        //: %1 is the chosen extension, upper-cased (JPG).
        return UserMessage::tr(" No %1 Files Found. Please try again.").arg(f.name.toUpper());
    case FailureKind::NotAFolder:
        // "Not a directory" would only repeat the sentence.
        if (!f.code || f.code == std::errc::not_a_directory)
            return UserMessage::tr("\"%1\" is not a folder.").arg(where);
        return UserMessage::tr("\"%1\" is not a folder: %2.").arg(where, reason(f.code));
    case FailureKind::FolderUnreadable:
        return UserMessage::tr("The folder \"%1\" cannot be read: %2.").arg(where, reason(f.code));
    case FailureKind::FoldersUnreadable:
        if (f.leftOut.size() == 1)
            return Words(f.leftOut.front());
        //: The folders follow, one a line, each with the reason.
        return UserMessage::tr("%n folders cannot be read:", nullptr, static_cast<int>(f.leftOut.size()))
               + LeftOutLines(f.leftOut);
    case FailureKind::NameEmpty:
        return UserMessage::tr("Please type a name for the archive.");
    case FailureKind::NameDots:
        return UserMessage::tr("\"%1\" cannot be used as a file name. Please choose another name.").arg(BidiIsolate(f.name));
    case FailureKind::NameHasSlash:
        return UserMessage::tr("The name may not contain \"/\". Please choose another name.");
    case FailureKind::NameHasLineBreakOrNul:
        return UserMessage::tr("The name may not contain a line break or a NUL character. Please choose another name.");
    case FailureKind::NameTooLong:
        //: %n, the name's length in bytes, is always above %1, the most a name may have.
        return UserMessage::tr("The name is %n bytes long; at most %1 are possible (with \".zip\" added). Please "
                               "choose a shorter name.",
                               nullptr, static_cast<int>(f.size))
            .arg(f.limit);
    case FailureKind::NameRefusedByDrive:
        if (!f.entry.empty())
            return UserMessage::tr("The drive of \"%1\" does not allow %2 in file names, so "
                                                              "\"%3\" cannot be written there. Please choose another name.")
                .arg(where, RefusedCharacter(f.entry), shown(f.other));
        return UserMessage::tr("The drive of \"%1\" does not accept \"%2\" as a file name "
                                                          "(%3). Please choose another name.")
            .arg(where, shown(f.other), reason(f.code));
    case FailureKind::ArchiveMayOutgrowDrive:
        return UserMessage::tr("The drive of \"%1\" cannot hold files over 4 GB, and the "
                                                          "files to zip come to %2, so the archive may not fit there.\n\n"
                                                          "Zip them anyway? Press Cancel to choose another folder.")
            .arg(where, SizeText(f.size));
    case FailureKind::ArchiveIsFolder:
        return UserMessage::tr("\"%1\" in \"%2\" is a folder, so the archive cannot take its name. Please choose "
                              "another name.")
            .arg(shown(f.path.filename()), shown(f.path.parent_path()));
    case FailureKind::ArchiveExists:
        return UserMessage::tr("A file named \"%1\" already exists in \"%2\". Do you want to replace it?\n\n"
                              "It is replaced only when the new archive is finished. Press Cancel to choose "
                              "another name.")
            .arg(shown(f.path.filename()), shown(f.path.parent_path()));
    case FailureKind::StagingNotDeleted:
        return UserMessage::tr("The staging folder \"%1\" could not be deleted (%2): %3.")
            .arg(where, shown(f.other), reason(f.code));
    case FailureKind::JournalUnusable:
        return UserMessage::tr("The list of unfinished archives \"%1\" could not be read or written: %2.")
            .arg(where, reason(f.code));
    case FailureKind::StagingCleanUpFailed: {
        QStringList lines;
        for (const Failure& one : f.leftOut)
            lines << Words(one);
        return lines.join(QLatin1Char('\n'));
    }
    case FailureKind::StillWriting:
        return UserMessage::tr("\"%1\" is still being written. Please press Start again when it is done.").arg(where);
    case FailureKind::RunNotStarted:
        return UserMessage::tr("The archive \"%1\" was not written: the run could not be started: %2.")
            .arg(where, reason(f.code));
    case FailureKind::NothingCopied:
        return UserMessage::tr("No file could be read for \"%1\", so no archive was written:").arg(where)
               + LeftOutLines(f.leftOut);
    case FailureKind::FilesLeftOut:
        return WithNotes(LeftOutText(f.path, f.leftOut), f);
    case FailureKind::DatesOutsideZip:
        return WithNotes({}, f);
    case FailureKind::NothingChecked:
        return UserMessage::tr("No file is checked, so nothing was zipped. Please check the files to put into the "
                              "archive and press Start again.");
    case FailureKind::NoneOfSelectedType:
        return UserMessage::tr("None of the checked files is a .%1 file, so nothing was zipped. Please choose "
                              "their extension in the list and press Start again.")
            .arg(f.name);
    case FailureKind::RunStopped:
        return UserMessage::tr("The run was stopped: \"%1\" was not written.").arg(where);
    case FailureKind::RunStoppedOlderKept:
        return UserMessage::tr("The run was stopped: \"%1\" was not written (an archive of that name from before "
                              "is left as it was).")
            .arg(where);
    case FailureKind::RunStoppedTooLate:
        text = UserMessage::tr("The run was stopped too late: the archive \"%1\" was already written.").arg(where);
        if (!f.leftOut.empty())
            text += QStringLiteral("\n\n") + LeftOutText(f.path, f.leftOut);
        return WithNotes(text, f);
    // A file left out, as its line in the list after a run's message.
    case FailureKind::SourceNotCopied:
    case FailureKind::SourceNotAFile:
    case FailureKind::SourceHidden:
    case FailureKind::SourceReplaced:
    case FailureKind::NotOfSelectedType:
    case FailureKind::DateOutsideZip:
        return LeftOutLines({f}).mid(1);
    case FailureKind::NotQueued:
        text = UserMessage::tr("The archive \"%1\" was not written: \"%2\" could not be queued: %3.")
                   .arg(where, shown(f.other), StepWithReason(f));
        break;
    case FailureKind::ArchiveNotWritten:
        text = UserMessage::tr("The archive \"%1\" could not be written: %2.").arg(where, StepWithReason(f));
        break;
    case FailureKind::HelpPageMissing:
        return UserMessage::tr("The help page could not be found. Looked for:\n%1\n%2").arg(where, shown(f.other));
    }
    // The run's own failures name the files left out after their message.
    if (!f.leftOut.empty())
        text += QStringLiteral("\n\n") + LeftOutText(f.path, f.leftOut);
    return text;
}

} // namespace

UserMessage UserMessage::For(const Failure& failure)
{
    // The two notices of Browse keep the title and icon they always had.
    if (failure.kind == FailureKind::NoFilesFound || failure.kind == FailureKind::NoFilesOfTypeFound)
        return {Words(failure), UserMessage::tr("Error"), Shell::Icon::Information};
    const QString title = QStringLiteral("Volarin Z");
    if (failure.kind == FailureKind::ArchiveExists)
        return {Words(failure), title, Shell::Icon::Warning, UserMessage::tr("&Replace")};
    if (failure.kind == FailureKind::ArchiveMayOutgrowDrive)
        return {Words(failure), title, Shell::Icon::Warning, UserMessage::tr("&Zip Anyway")};
    // What the user did or asked for is told as information, not as a fault.
    const bool notice = failure.kind == FailureKind::StillWriting || failure.kind == FailureKind::NothingChecked
                        || failure.kind == FailureKind::NoneOfSelectedType || failure.kind == FailureKind::RunStopped
                        || failure.kind == FailureKind::DatesOutsideZip
                        || failure.kind == FailureKind::RunStoppedOlderKept
                        || failure.kind == FailureKind::RunStoppedTooLate;
    return {Words(failure), title, notice ? Shell::Icon::Information : Shell::Icon::Warning};
}

void UserMessage::Show(const Failure& failure)
{
    const UserMessage message = For(failure);
    Shell::Instance().MessageBox(message.text, message.title, message.icon);
}

bool UserMessage::Ask(const Failure& failure)
{
    const UserMessage message = For(failure);
    return Shell::Instance().Ask(message.text, message.title, message.acceptText);
}

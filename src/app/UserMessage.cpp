#include "UserMessage.h"

#include "ArchiveName.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace fs = std::filesystem;

namespace {

QString shown(const fs::path& p)
{
    return QFile::decodeName(QByteArray::fromStdString(p.native()));
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
        return QCoreApplication::translate("UserMessage", "is missing");
    case ProofFault::What::HeaderMissing:
        return QCoreApplication::translate("UserMessage", "does not read back (its local header is missing)");
    case ProofFault::What::HeaderDiffers:
        break;
    case ProofFault::What::ExtraDamaged:
        return QCoreApplication::translate("UserMessage", "does not read back (its extra fields are damaged)");
    case ProofFault::What::Unsupported:
        return QCoreApplication::translate(
            "UserMessage", "does not read back (it is stored in a way Volarin Z does not write)");
    case ProofFault::What::PasswordDiffers:
        return QCoreApplication::translate("UserMessage", "does not read back (its password does not fit)");
    case ProofFault::What::DataDamaged:
        return QCoreApplication::translate("UserMessage", "does not read back (its data is damaged)");
    case ProofFault::What::SizeDiffers:
        return QCoreApplication::translate("UserMessage", "does not read back (size differs)");
    case ProofFault::What::CrcDiffers:
        return QCoreApplication::translate("UserMessage", "does not read back (CRC differs)");
    default:
        return QCoreApplication::translate("UserMessage", "could not be read back");
    }
    QString field;
    switch (proof.field) {
    case ProofFault::Field::Name:
        field = QCoreApplication::translate("UserMessage", "name");
        break;
    case ProofFault::Field::Sizes:
        field = QCoreApplication::translate("UserMessage", "sizes");
        break;
    case ProofFault::Field::Crc:
        field = QCoreApplication::translate("UserMessage", "CRC");
        break;
    case ProofFault::Field::Method:
        field = QCoreApplication::translate("UserMessage", "method");
        break;
    case ProofFault::Field::Flags:
        field = QCoreApplication::translate("UserMessage", "flags");
        break;
    case ProofFault::Field::Date:
        field = QCoreApplication::translate("UserMessage", "date");
        break;
    case ProofFault::Field::Extra:
    case ProofFault::Field::None:
        field = QCoreApplication::translate("UserMessage", "extra fields");
        break;
    }
    return QCoreApplication::translate(
        "UserMessage", "does not read back (its local header differs from the central directory: %1)").arg(field);
}

// What the proof of a finished archive found, after "the archive could not be proven: ".
QString ProofText(const ProofFault& proof)
{
    switch (proof.what) {
    case ProofFault::What::Unreadable:
        return QCoreApplication::translate("UserMessage", "it could not be read back");
    case ProofFault::What::EndDamaged:
        return QCoreApplication::translate("UserMessage", "its end record is damaged");
    case ProofFault::What::DirectoryDamaged:
        return QCoreApplication::translate("UserMessage", "its central directory is damaged");
    case ProofFault::What::CountDiffers:
        return QCoreApplication::translate(
            "UserMessage", "it holds %1 entries where %2 were written").arg(proof.found).arg(proof.written);
    default:
        return QCoreApplication::translate("UserMessage", "entry \"%1\" %2")
            .arg(QString::fromUtf8(QByteArray::fromStdString(proof.entry)), ProofEntryText(proof));
    }
}

// What failed in a run, in the user's words: the Zipper's step is never shown as it is named inside.
QString StepText(const Failure& f)
{
    switch (f.step) {
    case ZipFailure::FileDoesNotExist:
        return QStringLiteral("the file no longer exists");
    case ZipFailure::GetTimestamps:
        return QStringLiteral("its date could not be read");
    case ZipFailure::FileLen:
        return QStringLiteral("its size could not be read");
    case ZipFailure::AlreadyZipping:
        return QStringLiteral("another archive is still being written");
    case ZipFailure::OpenZip:
        return QStringLiteral("it could not be created");
    case ZipFailure::ReadFile:
        // The guess is only for a file that ended early or changed: a reason
        // the system gives is shown as it is.
        if (f.code)
            return QStringLiteral("the file \"%1\" could not be read").arg(shown(f.other));
        return QStringLiteral("the file \"%1\" could not be read whole (it changed or vanished during the run)")
            .arg(shown(f.other));
    case ZipFailure::RenameZip:
        return QStringLiteral("the finished archive could not take its name");
    case ZipFailure::OpenFileInZip:
    case ZipFailure::WriteBytes:
    case ZipFailure::CloseFileInZip:
        return QStringLiteral("writing \"%1\" into it failed").arg(QString::fromStdString(f.entry));
    case ZipFailure::CloseZip:
        return QStringLiteral("it could not be finished");
    case ZipFailure::ProveZip:
        return QCoreApplication::translate(
            "UserMessage", "the archive could not be proven: %1").arg(ProofText(f.proof));
    case ZipFailure::None:
        break;
    }
    return QStringLiteral("the zip engine stopped");
}

// The step, with the system's reason in brackets when there is one.
QString StepWithReason(const Failure& f)
{
    return f.code ? QStringLiteral("%1 (%2)").arg(StepText(f), reason(f.code)) : StepText(f);
}

// Why one file was left out, in the words after its name.
QString LeftOutReason(const Failure& file)
{
    if (file.kind == FailureKind::SourceNotAFile)
        return QStringLiteral("not a file");
    if (file.kind == FailureKind::SourceHidden)
        return QStringLiteral("hidden file: not put into the archive");
    if (file.kind == FailureKind::SourceReplaced)
        return QStringLiteral("replaced by the file of the same name from \"%1\"").arg(shown(file.other));
    if (file.kind == FailureKind::NotOfSelectedType)
        return QStringLiteral("not a .%1 file").arg(file.name);
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
                text += QStringLiteral("\n%1: %2").arg(path, why);
    if (lines > kShown)
        text += QStringLiteral("\n... and %1 more.").arg(lines - kShown);
    return text;
}

QString LeftOutText(const fs::path& archive, const std::vector<Failure>& leftOut)
{
    const QString head = leftOut.size() == 1 ? QStringLiteral("1 file was left out of \"%1\":").arg(shown(archive))
                                             : QStringLiteral("%1 files were left out of \"%2\":")
                                                   .arg(leftOut.size())
                                                   .arg(shown(archive));
    return head + LeftOutLines(leftOut);
}

// Every kind has its words here, in one switch without a default: a kind
// added without words is a compiler warning.
QString Words(const Failure& f)
{
    const QString where = shown(f.path);
    QString text;
    switch (f.kind) {
    case FailureKind::NoFilesFound:
        return QStringLiteral(" No File Found. Please try again.");
    case FailureKind::NoFilesOfTypeFound:
        return QStringLiteral(" No %1 Files Found. Please try again.").arg(f.name.toUpper());
    case FailureKind::NotAFolder:
        // "Not a directory" would only repeat the sentence.
        if (!f.code || f.code == std::errc::not_a_directory)
            return QStringLiteral("\"%1\" is not a folder.").arg(where);
        return QStringLiteral("\"%1\" is not a folder: %2.").arg(where, reason(f.code));
    case FailureKind::FolderUnreadable:
        return QStringLiteral("The folder \"%1\" cannot be read: %2.").arg(where, reason(f.code));
    case FailureKind::FoldersUnreadable:
        if (f.leftOut.size() == 1)
            return Words(f.leftOut.front());
        return QStringLiteral("%1 folders cannot be read:").arg(f.leftOut.size()) + LeftOutLines(f.leftOut);
    case FailureKind::NameEmpty:
        return QStringLiteral("Please type a name for the archive.");
    case FailureKind::NameDots:
        return QStringLiteral("\"%1\" cannot be used as a file name. Please choose another name.").arg(f.name);
    case FailureKind::NameHasSlash:
        return QStringLiteral("The name may not contain \"/\". Please choose another name.");
    case FailureKind::NameHasLineBreakOrNul:
        return QStringLiteral("The name may not contain a line break or a NUL character. Please choose another name.");
    case FailureKind::NameTooLong:
        return QStringLiteral("The name is %1 bytes long; at most %2 are possible (with \".zip\" added). Please "
                              "choose a shorter name.")
            .arg(f.size)
            .arg(ArchiveName::kMaxBytes);
    case FailureKind::NameBeingZipped:
        return QStringLiteral("\"%1\" is being zipped right now. Please wait until the run is over or choose "
                              "another name.")
            .arg(f.name);
    case FailureKind::NameUsedByOtherWindow:
        return QStringLiteral("\"%1\" is being used by another Volarin Z window. Please choose another name.").arg(f.name);
    case FailureKind::NameTakenByForeignFolder:
        return QStringLiteral("A folder \"%1\" already exists in \"%2\" and was not made by Volarin Z. Please "
                              "choose another name.")
            .arg(f.name, where);
    case FailureKind::ArchiveIsFolder:
        return QStringLiteral("\"%1\" in \"%2\" is a folder, so the archive cannot take its name. Please choose "
                              "another name.")
            .arg(shown(f.path.filename()), shown(f.path.parent_path()));
    case FailureKind::ArchiveExists:
        return QStringLiteral("A file named \"%1\" already exists in \"%2\". Do you want to replace it?\n\n"
                              "It is replaced only when the new archive is finished. Press Cancel to choose "
                              "another name.")
            .arg(shown(f.path.filename()), shown(f.path.parent_path()));
    case FailureKind::StagingNameUnusable:
        return QStringLiteral("\"%1\" cannot be used as a folder name.").arg(where);
    case FailureKind::StagingNotCreated:
        return QStringLiteral("The staging folder \"%1\" could not be created: %2.").arg(where, reason(f.code));
    case FailureKind::StagingNotMarked:
        return QStringLiteral("The staging folder \"%1\" could not be marked: %2.").arg(where, reason(f.code));
    case FailureKind::StagingForeign:
        return QStringLiteral("\"%1\" already exists and was not made by Volarin Z, so it is left untouched. Please "
                              "choose another name.")
            .arg(where);
    case FailureKind::StagingInUseElsewhere:
        return QStringLiteral("\"%1\" is in use by another Volarin Z window. Please choose another name.").arg(where);
    case FailureKind::StagingForeignNotDeleted:
        return QStringLiteral("\"%1\" was not made by Volarin Z and is not deleted.").arg(where);
    case FailureKind::StagingInUseNotDeleted:
        return QStringLiteral("\"%1\" is in use by another Volarin Z window and is not deleted.").arg(where);
    case FailureKind::StagingNotDeleted:
        return QStringLiteral("The staging folder \"%1\" could not be deleted (%2): %3.")
            .arg(where, shown(f.other), reason(f.code));
    case FailureKind::JournalUnusable:
        return QStringLiteral("The list of unfinished archives \"%1\" could not be read or written: %2.")
            .arg(where, reason(f.code));
    case FailureKind::StagingCleanUpFailed: {
        QStringList lines;
        for (const Failure& one : f.leftOut)
            lines << Words(one);
        return lines.join(QLatin1Char('\n'));
    }
    case FailureKind::StillWriting:
        return QStringLiteral("\"%1\" is still being written. Please press Start again when it is done.").arg(where);
    case FailureKind::RunNotStarted:
        return QStringLiteral("The archive \"%1\" was not written: the run could not be started: %2.")
            .arg(where, reason(f.code));
    case FailureKind::NothingCopied:
        return QStringLiteral("No file could be copied for \"%1\", so no archive was written:").arg(where)
               + LeftOutLines(f.leftOut);
    case FailureKind::FilesLeftOut:
        return LeftOutText(f.path, f.leftOut);
    case FailureKind::NothingChecked:
        return QStringLiteral("No file is checked, so nothing was zipped. Please check the files to put into the "
                              "archive and press Start again.");
    case FailureKind::NoneOfSelectedType:
        return QStringLiteral("None of the checked files is a .%1 file, so nothing was zipped. Please choose "
                              "their extension in the list and press Start again.")
            .arg(f.name);
    case FailureKind::RunStopped:
        text = QStringLiteral("The run was stopped: \"%1\" was not written (an archive of that name from before "
                              "is left as it was).")
                   .arg(where);
        for (const Failure& kept : f.leftOut)
            text += QStringLiteral("\n\n") + Words(kept);
        return text;
    // A file left out, as its line in the list after a run's message.
    case FailureKind::SourceNotCopied:
    case FailureKind::SourceNotAFile:
    case FailureKind::SourceHidden:
    case FailureKind::SourceReplaced:
    case FailureKind::NotOfSelectedType:
        return LeftOutLines({f}).mid(1);
    case FailureKind::NotQueued:
        text = QStringLiteral("The archive \"%1\" was not written: \"%2\" could not be queued: %3.")
                   .arg(where, shown(f.other), StepWithReason(f));
        break;
    case FailureKind::ArchiveNotWritten:
        text = QStringLiteral("The archive \"%1\" could not be written: %2.").arg(where, StepWithReason(f));
        break;
    case FailureKind::HelpPageMissing:
        return QStringLiteral("The help page could not be found. Looked for:\n%1\n%2").arg(where, shown(f.other));
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
        return {Words(failure), QStringLiteral("Error"), Shell::Icon::Information};
    const QString title = QStringLiteral("Volarin Z");
    if (failure.kind == FailureKind::ArchiveExists)
        return {Words(failure), title, Shell::Icon::Warning, QStringLiteral("&Replace")};
    // What the user did or asked for is told as information, not as a fault.
    const bool notice = failure.kind == FailureKind::StillWriting || failure.kind == FailureKind::NothingChecked
                        || failure.kind == FailureKind::NoneOfSelectedType || failure.kind == FailureKind::RunStopped;
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

#include "UserMessage.h"

#include "ArchiveName.h"

#include <QFile>

#include <algorithm>
#include <utility>
#include <QStringList>

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

std::optional<QString> BrowseText(const Failure& f)
{
    switch (f.kind) {
    case FailureKind::NoFilesFound:
        return QStringLiteral(" No File Found. Please try again.");
    case FailureKind::NoFilesOfTypeFound:
        return QStringLiteral(" No %1 Files Found. Please try again.").arg(f.name.toUpper());
    default:
        return std::nullopt;
    }
}

std::optional<QString> NameText(const Failure& f)
{
    switch (f.kind) {
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
            .arg(f.name, shown(f.path));
    case FailureKind::ArchiveIsFolder:
        return QStringLiteral("\"%1\" in \"%2\" is a folder, so the archive cannot take its name. Please choose "
                              "another name.")
            .arg(shown(f.path.filename()), shown(f.path.parent_path()));
    default:
        return std::nullopt;
    }
}

std::optional<QString> StagingText(const Failure& f)
{
    const QString folder = shown(f.path);
    switch (f.kind) {
    case FailureKind::StagingNameUnusable:
        return QStringLiteral("\"%1\" cannot be used as a folder name.").arg(folder);
    case FailureKind::StagingNotCreated:
        return QStringLiteral("The staging folder \"%1\" could not be created: %2.").arg(folder, reason(f.code));
    case FailureKind::StagingNotMarked:
        return QStringLiteral("The staging folder \"%1\" could not be marked: %2.").arg(folder, reason(f.code));
    case FailureKind::StagingForeign:
        return QStringLiteral("\"%1\" already exists and was not made by Volarin Z, so it is left untouched. Please "
                              "choose another name.")
            .arg(folder);
    case FailureKind::StagingInUseElsewhere:
        return QStringLiteral("\"%1\" is in use by another Volarin Z window. Please choose another name.").arg(folder);
    case FailureKind::StagingForeignNotDeleted:
        return QStringLiteral("\"%1\" was not made by Volarin Z and is not deleted.").arg(folder);
    case FailureKind::StagingInUseNotDeleted:
        return QStringLiteral("\"%1\" is in use by another Volarin Z window and is not deleted.").arg(folder);
    case FailureKind::StagingNotDeleted:
        return QStringLiteral("The staging folder \"%1\" could not be deleted (%2): %3.")
            .arg(folder, shown(f.other), reason(f.code));
    case FailureKind::JournalUnusable:
        return QStringLiteral("The list of unfinished archives \"%1\" could not be read or written: %2.")
            .arg(folder, reason(f.code));
    case FailureKind::StagingCleanUpFailed: {
        QStringList lines;
        for (const Failure& one : f.leftOut)
            lines << UserMessage::For(one).text;
        return lines.join(QLatin1Char('\n'));
    }
    default:
        return std::nullopt;
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
    switch (file.kind) {
    case FailureKind::SourceNotAFile:
        return QStringLiteral("not a file");
    case FailureKind::SourceHidden:
        return QStringLiteral("hidden file: not put into the archive");
    case FailureKind::SourceReplaced:
        return QStringLiteral("replaced by the file of the same name from \"%1\"").arg(shown(file.other));
    case FailureKind::NotOfSelectedType:
        return QStringLiteral("not a .%1 file").arg(file.name);
    default:
        return reason(file.code);
    }
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

std::optional<QString> FolderText(const Failure& f)
{
    switch (f.kind) {
    case FailureKind::NotAFolder:
        // "Not a directory" would only repeat the sentence.
        if (!f.code || f.code == std::errc::not_a_directory)
            return QStringLiteral("\"%1\" is not a folder.").arg(shown(f.path));
        return QStringLiteral("\"%1\" is not a folder: %2.").arg(shown(f.path), reason(f.code));
    case FailureKind::FolderUnreadable:
        return QStringLiteral("The folder \"%1\" cannot be read: %2.").arg(shown(f.path), reason(f.code));
    case FailureKind::FoldersUnreadable:
        if (f.leftOut.size() == 1)
            return FolderText(f.leftOut.front());
        return QStringLiteral("%1 folders cannot be read:").arg(f.leftOut.size()) + LeftOutLines(f.leftOut);
    default:
        return std::nullopt;
    }
}

std::optional<QString> RunText(const Failure& f)
{
    const QString archive = shown(f.path);
    QString text;
    switch (f.kind) {
    case FailureKind::StillWriting:
        return QStringLiteral("\"%1\" is still being written. Please press Start again when it is done.").arg(archive);
    case FailureKind::NothingCopied:
        return QStringLiteral("No file could be copied for \"%1\", so no archive was written:").arg(archive)
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
                   .arg(archive);
        for (const Failure& kept : f.leftOut)
            text += QStringLiteral("\n\n") + UserMessage::For(kept).text;
        return text;
    case FailureKind::StagingUnreadable:
        text = QStringLiteral("The archive \"%1\" was not written: the staging folder \"%2\" could not be read: %3.")
                   .arg(archive, shown(f.other), reason(f.code));
        break;
    case FailureKind::NotQueued:
        text = QStringLiteral("The archive \"%1\" was not written: \"%2\" could not be queued: %3.")
                   .arg(archive, shown(f.other), StepWithReason(f));
        break;
    case FailureKind::ArchiveNotWritten:
        text = QStringLiteral("The archive \"%1\" could not be written: %2.").arg(archive, StepWithReason(f));
        break;
    default:
        return std::nullopt;
    }
    if (!f.leftOut.empty())
        text += QStringLiteral("\n\n") + LeftOutText(f.path, f.leftOut);
    return text;
}

} // namespace

UserMessage UserMessage::For(const Failure& failure)
{
    if (std::optional<QString> text = BrowseText(failure))
        return {*text, QStringLiteral("Error"), Shell::Icon::Information};
    const QString title = QStringLiteral("Volarin Z");
    if (failure.kind == FailureKind::StillWriting || failure.kind == FailureKind::NothingChecked
        || failure.kind == FailureKind::NoneOfSelectedType || failure.kind == FailureKind::RunStopped)
        return {*RunText(failure), title, Shell::Icon::Information};
    if (failure.kind == FailureKind::ArchiveExists)
        return {QStringLiteral("A file named \"%1\" already exists in \"%2\". Do you want to replace it?\n\n"
                               "It is replaced only when the new archive is finished. Press Cancel to choose "
                               "another name.")
                    .arg(shown(failure.path.filename()), shown(failure.path.parent_path())),
                title, Shell::Icon::Warning, QStringLiteral("&Replace")};
    if (failure.kind == FailureKind::HelpPageMissing)
        return {QStringLiteral("The help page could not be found. Looked for:\n%1\n%2")
                    .arg(shown(failure.path), shown(failure.other)),
                title, Shell::Icon::Warning};
    for (auto words : {FolderText, NameText, StagingText, RunText})
        if (std::optional<QString> text = words(failure))
            return {*text, title, Shell::Icon::Warning};
    return {QStringLiteral("Something went wrong."), title, Shell::Icon::Warning};
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

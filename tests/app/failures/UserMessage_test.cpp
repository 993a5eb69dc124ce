// The one place where failures become words: every step of the zip engine is
// worded for users, and the engine's own step names never reach them.
#include "DriveRules.h"
#include "UserMessage.h"
#include "ZipWriterError.h"
#include "ZipFailure.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

Failure RunFailure(ZipFailure step, std::error_code code = {})
{
    return Failure{.kind = FailureKind::ArchiveNotWritten,
                   .code = code,
                   .path = "/out/a.zip",
                   .other = "/staging/a/photo.jpg",
                   .entry = "photo.jpg",
                   .step = step};
}

}  // namespace

TEST(UserMessage, EveryZipStepIsWordedWithoutItsInternalName)
{
    const char* internalNames[] = {"File does not exist", "GetTimestamps", "FileLen", "Already mZipping", "OpenZip",
                                   "OpenFileInZip", "WriteBytes", "ReadFile", "CloseFileInZip", "CloseZip",
                                   "RenameZip", "ProveZip", "mZipping"};
    QStringList seen;
    for (int s = static_cast<int>(ZipFailure::None); s <= static_cast<int>(ZipFailure::ProveZip); ++s) {
        for (FailureKind kind : {FailureKind::ArchiveNotWritten, FailureKind::NotQueued}) {
            Failure failure = RunFailure(static_cast<ZipFailure>(s));
            failure.kind = kind;
            const QString text = UserMessage::For(failure).text;
            EXPECT_TRUE(text.startsWith(QStringLiteral("The archive \"/out/a.zip\""))) << text.toStdString();
            for (const char* name : internalNames)
                EXPECT_FALSE(text.contains(QLatin1String(name))) << text.toStdString();
            seen << text;
        }
    }
    // Steps of different meaning read differently.
    seen.removeDuplicates();
    EXPECT_GE(seen.size(), 20);
}

// What the proof of a finished archive found, in words that name the entry
// (as queued) and what is wrong with it.
TEST(UserMessage, ProofFaultsNameTheEntryAndWhatIsWrong)
{
    using What = ProofFault::What;
    const struct {
        ProofFault proof;
        std::error_code code;
        const char* words;
    } cases[] = {
        {{What::Unreadable}, std::make_error_code(std::errc::io_error),
         "it could not be read back (Input/output error)"},
        {{What::EndDamaged}, {}, "its end record is damaged"},
        {{What::DirectoryDamaged}, {}, "its central directory is damaged"},
        {{.what = What::CountDiffers, .found = 3, .written = 4}, {}, "it holds 3 entries where 4 were written"},
        {{.what = What::EntryMissing, .entry = "x.jpg"}, {}, "entry \"x.jpg\" is missing"},
        {{.what = What::HeaderMissing, .entry = "x.jpg"}, {},
         "entry \"x.jpg\" does not read back (its local header is missing)"},
        {{.what = What::HeaderDiffers, .field = ProofFault::Field::Date, .entry = "x.jpg"}, {},
         "entry \"x.jpg\" does not read back (its local header differs from the central directory: date)"},
        {{.what = What::ExtraDamaged, .entry = "x.jpg"}, {},
         "entry \"x.jpg\" does not read back (its extra fields are damaged)"},
        {{.what = What::Unsupported, .entry = "x.jpg"}, {},
         "entry \"x.jpg\" does not read back (it is stored in a way Volarin Z does not write)"},
        {{.what = What::PasswordDiffers, .entry = "x.jpg"}, {},
         "entry \"x.jpg\" does not read back (its password does not fit)"},
        {{.what = What::DataDamaged, .entry = "x.jpg"}, {}, "entry \"x.jpg\" does not read back (its data is damaged)"},
        {{.what = What::SizeDiffers, .entry = "x.jpg"}, {}, "entry \"x.jpg\" does not read back (size differs)"},
        {{.what = What::CrcDiffers, .entry = "Caf\xC3\xA9.jpg"}, {},
         "entry \"Caf\u00e9.jpg\" does not read back (CRC differs)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words);
        Failure failure = RunFailure(ZipFailure::ProveZip, c.code);
        failure.proof = c.proof;
        EXPECT_EQ(UserMessage::For(failure).text,
                  QStringLiteral("The archive \"/out/a.zip\" could not be written: the archive could not be proven: %1.")
                      .arg(QString::fromUtf8(c.words)));
    }
}

TEST(UserMessage, RunFailuresNameWhatAndWhy)
{
    EXPECT_EQ(UserMessage::For(RunFailure(ZipFailure::OpenZip, std::make_error_code(std::errc::permission_denied))).text,
              QStringLiteral("The archive \"/out/a.zip\" could not be written: it could not be created (Permission "
                             "denied)."));
    EXPECT_EQ(UserMessage::For(RunFailure(ZipFailure::ReadFile)).text,
              QStringLiteral("The archive \"/out/a.zip\" could not be written: the file \"/staging/a/photo.jpg\" could "
                             "not be read whole (it changed or vanished during the run)."));
    // A reason the system gives is never dressed up with a guess.
    EXPECT_EQ(UserMessage::For(RunFailure(ZipFailure::ReadFile, std::make_error_code(std::errc::too_many_files_open))).text,
              QStringLiteral("The archive \"/out/a.zip\" could not be written: the file \"/staging/a/photo.jpg\" could "
                             "not be read (Too many open files)."));
    EXPECT_EQ(UserMessage::For(RunFailure(ZipFailure::WriteBytes, std::error_code(-104, ZipWriterCategory()))).text,
              QStringLiteral("The archive \"/out/a.zip\" could not be written: writing \"photo.jpg\" into it failed "
                             "(the zip library failed inside)."));
    // No code of the zip library reaches the user as a number.
    for (int code : {-1, -102, -103, -104, -666, -667, -5, 7})
        EXPECT_FALSE(UserMessage::For(RunFailure(ZipFailure::WriteBytes, std::error_code(code, ZipWriterCategory())))
                         .text.contains(QRegularExpression(QStringLiteral("[0-9]"))))
            << code;
    EXPECT_EQ(UserMessage::For(RunFailure(ZipFailure::WriteBytes, std::make_error_code(std::errc::no_space_on_device)))
                  .text,
              QStringLiteral("The archive \"/out/a.zip\" could not be written: writing \"photo.jpg\" into it failed "
                             "(No space left on device)."));
    Failure notQueued{.kind = FailureKind::NotQueued, .path = "/out/a.zip", .other = "/s/b.jpg",
                      .step = ZipFailure::FileLen};
    EXPECT_EQ(UserMessage::For(notQueued).text,
              QStringLiteral("The archive \"/out/a.zip\" was not written: \"/s/b.jpg\" could not be queued: its size "
                             "could not be read."));
    notQueued.code = std::make_error_code(std::errc::permission_denied);
    EXPECT_TRUE(UserMessage::For(notQueued).text.endsWith(QStringLiteral("could not be read (Permission denied).")));
}

TEST(UserMessage, ArchivePlaceTakenIsAskedOrRefused)
{
    const UserMessage replace = UserMessage::For({.kind = FailureKind::ArchiveExists, .path = "/out/a.zip"});
    EXPECT_EQ(replace.text, QStringLiteral("A file named \"a.zip\" already exists in \"/out\". Do you want to replace "
                                           "it?\n\nIt is replaced only when the new archive is finished. Press Cancel "
                                           "to choose another name."));
    EXPECT_EQ(replace.title, QStringLiteral("Volarin Z"));
    EXPECT_EQ(replace.acceptText, QStringLiteral("&Replace"));
    EXPECT_EQ(UserMessage::For({.kind = FailureKind::ArchiveIsFolder, .path = "/out/a.zip"}).text,
              QStringLiteral("\"a.zip\" in \"/out\" is a folder, so the archive cannot take its name. Please choose "
                             "another name."));
}

// What a drive refuses: a name with no character to blame gives the system's
// reason, and "File too large" becomes the drive's limit where it is FAT's.
TEST(UserMessage, DriveLimitsInPlainWords)
{
    const struct {
        Failure failure;
        QString text;
    } cases[] = {
        {{.kind = FailureKind::NameRefusedByDrive, .code = std::make_error_code(std::errc::invalid_argument),
          .path = "/media/stick", .other = "CON.zip"},
         QStringLiteral("The drive of \"/media/stick\" does not accept \"CON.zip\" as a file name (Invalid "
                        "argument). Please choose another name.")},
        {{.kind = FailureKind::ArchiveNotWritten, .code = std::make_error_code(std::errc::file_too_large),
          .path = "/media/stick/a.zip", .entry = "film.mkv", .step = ZipFailure::WriteBytes,
          .size = DriveRules::kFatLargestFile},
         QStringLiteral("The archive \"/media/stick/a.zip\" could not be written: writing \"film.mkv\" into it "
                        "failed (the drive cannot hold files over 4 GB).")},
        {{.kind = FailureKind::ArchiveNotWritten, .code = std::make_error_code(std::errc::file_too_large),
          .path = "/mnt/disk/a.zip", .entry = "film.mkv", .step = ZipFailure::WriteBytes},
         QStringLiteral("The archive \"/mnt/disk/a.zip\" could not be written: writing \"film.mkv\" into it "
                        "failed (File too large).")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UserMessage::For(c.failure).text, c.text);
}

TEST(UserMessage, BrowseNoticesAndTheirBoxes)
{
    const UserMessage a = UserMessage::For({.kind = FailureKind::NoFilesFound});
    EXPECT_EQ(a.text, QStringLiteral(" No File Found. Please try again."));
    EXPECT_EQ(a.title, QStringLiteral("Error"));
    EXPECT_EQ(a.icon, Shell::Icon::Information);
    const UserMessage b = UserMessage::For({.kind = FailureKind::NoFilesOfTypeFound, .name = QStringLiteral("pdf")});
    EXPECT_EQ(b.text, QStringLiteral(" No PDF Files Found. Please try again."));
    const UserMessage staging = UserMessage::For({.kind = FailureKind::StagingNotDeleted,
                                                  .code = std::make_error_code(std::errc::permission_denied),
                                                  .path = "/c/staging/x",
                                                  .other = "/c/staging/x/ro/file"});
    EXPECT_EQ(staging.text, QStringLiteral("The staging folder \"/c/staging/x\" could not be deleted "
                                           "(/c/staging/x/ro/file): Permission denied."));
    EXPECT_EQ(staging.title, QStringLiteral("Volarin Z"));
    EXPECT_EQ(staging.icon, Shell::Icon::Warning);
}

TEST(UserMessage, FoldersNotTakenSayWhy)
{
    const auto denied = std::make_error_code(std::errc::permission_denied);
    const Failure locked{.kind = FailureKind::FolderUnreadable, .code = denied, .path = "/p/locked"};
    const UserMessage one = UserMessage::For(locked);
    EXPECT_EQ(one.text, QStringLiteral("The folder \"/p/locked\" cannot be read: Permission denied."));
    EXPECT_EQ(one.title, QStringLiteral("Volarin Z"));
    EXPECT_EQ(one.icon, Shell::Icon::Warning);
    // One message for all folders of a drop; a single one reads as above.
    EXPECT_EQ(UserMessage::For({.kind = FailureKind::FoldersUnreadable, .leftOut = {locked}}).text, one.text);
    Failure other = locked;
    other.path = "/p/other";
    other.code = std::make_error_code(std::errc::io_error);
    EXPECT_EQ(UserMessage::For({.kind = FailureKind::FoldersUnreadable, .leftOut = {locked, other}}).text,
              QStringLiteral("2 folders cannot be read:\n/p/locked: Permission denied\n/p/other: Input/output error"));

    EXPECT_EQ(UserMessage::For({.kind = FailureKind::NotAFolder,
                                .code = std::make_error_code(std::errc::not_a_directory),
                                .path = "/p/notes.txt"})
                  .text,
              QStringLiteral("\"/p/notes.txt\" is not a folder."));
    EXPECT_EQ(UserMessage::For({.kind = FailureKind::NotAFolder,
                                .code = std::make_error_code(std::errc::no_such_file_or_directory),
                                .path = "/p/gone"})
                  .text,
              QStringLiteral("\"/p/gone\" is not a folder: No such file or directory."));
}

// Files left out are listed one a line, those of one reason together, in the
// order the reasons first come up.
TEST(UserMessage, FilesLeftOutAreGroupedByReason)
{
    const auto notTxt = [](const char* p) {
        return Failure{.kind = FailureKind::NotOfSelectedType, .path = p, .name = QStringLiteral("txt")};
    };
    const Failure replaced{.kind = FailureKind::SourceReplaced, .path = "/b/x.txt", .other = "/a"};
    const Failure hidden{.kind = FailureKind::SourceHidden, .path = "/a/.h.txt"};
    const Failure failure{.kind = FailureKind::FilesLeftOut,
                          .path = "/out/a.zip",
                          .leftOut = {notTxt("/a/1.md"), replaced, hidden, notTxt("/a/2.pdf")}};
    EXPECT_EQ(UserMessage::For(failure).text,
              QStringLiteral("4 files were left out of \"/out/a.zip\":\n"
                             "/a/1.md: not a .txt file\n/a/2.pdf: not a .txt file\n"
                             "/b/x.txt: replaced by the file of the same name from \"/a\"\n"
                             "/a/.h.txt: hidden file: not put into the archive"));
}

// Files dated outside what ZIP's own dates hold are named after a completed
// run with the date readers that know only those show: alone, as a notice,
// or after the files left out.
TEST(UserMessage, DatesOutsideZipAreNamedWithWhatOldReadersShow)
{
    const QLocale oldLocale;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto dated = [](const char* path, int64_t time) {
        return Failure{.kind = FailureKind::DateOutsideZip, .path = path, .time = time};
    };
    const Failure y1979 = dated("/a/old.txt", 299678400);     // 1 July 1979, noon UTC
    const Failure y2110 = dated("/a/far.txt", 4433659200);    // 1 July 2110, noon UTC
    const struct {
        Failure failure;
        Shell::Icon icon;
        const char* text;
    } rows[] = {
        {{.kind = FailureKind::DatesOutsideZip, .path = "/out/a.zip", .notes = {y1979}},
         Shell::Icon::Information,
         "The archive \"/out/a.zip\" keeps the exact date of 1 file dated outside the years 1980 to 2107:\n"
         "/a/old.txt: dated 1 July 1979: readers that know only ZIP's own dates show 1 January 1980"},
        {{.kind = FailureKind::FilesLeftOut,
          .path = "/out/a.zip",
          .leftOut = {{.kind = FailureKind::SourceHidden, .path = "/a/.h"}},
          .notes = {y1979, y2110}},
         Shell::Icon::Warning,
         "1 file was left out of \"/out/a.zip\":\n/a/.h: hidden file: not put into the archive\n\n"
         "The archive \"/out/a.zip\" keeps the exact dates of 2 files dated outside the years 1980 to 2107:\n"
         "/a/old.txt: dated 1 July 1979: readers that know only ZIP's own dates show 1 January 1980\n"
         "/a/far.txt: dated 1 July 2110: readers that know only ZIP's own dates show 31 December 2107"},
    };
    for (const auto& row : rows) {
        const UserMessage message = UserMessage::For(row.failure);
        EXPECT_EQ(message.text.toStdString(), row.text);
        EXPECT_EQ(message.icon, row.icon);
    }
    QLocale::setDefault(oldLocale);
}

#pragma once
// The archive name typed in the Output dialog: the proposal it starts with,
// and the check it must pass before it is used as a folder and file name.
#include "Status.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>

#include <filesystem>
#include <string>

class ArchiveName {
    Q_DECLARE_TR_FUNCTIONS(ArchiveName)

public:
    // Longest name in bytes: room is left for the ".zip" the run appends.
    static constexpr size_t kMaxBytes = 255 - 4;

    // "JPG ZIP Archive Dec 6 2026": the extension row upper-cased ("ALL" for
    // "All (*.*)"), then the locale's abbreviated month, the day without
    // leading zero and the year, worded as a whole in the user's language;
    // made DriveSafe.
    static QString Propose(const QString& extensionRow, const QDate& date, const QLocale& locale = QLocale());

    // The name without what FAT, exFAT and NTFS drives refuse in a file name
    // (: * ? " < > | \ / and control characters, a trailing dot or space),
    // spaces run together where a character was taken out.
    static QString DriveSafe(const QString& name);

    // The name as bytes on disk.
    static std::string ToBytes(const QString& name);

    // The archive's file name: the name with ".zip" added, unless it already
    // ends in ".zip" in any case.
    static std::string FileName(const QString& name);

    // Whether the name can be used. Refused: empty or blank, "." and "..", a
    // "/", a NUL or a line break, more than kMaxBytes.
    static Status Check(const QString& name);

    // Whether the drive holding `folder` takes the archive's file name: asked
    // by creating and deleting a file of that name there (nothing when the
    // archive is there already). A refused name is named with the first
    // character such drives refuse, where it has one.
    static Status CheckOnDrive(const QString& name, const std::filesystem::path& folder);
};

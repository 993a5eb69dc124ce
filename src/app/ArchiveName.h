#pragma once
// The archive name typed in the Output dialog: the proposal it starts with,
// and the check it must pass before it is used as a folder and file name.
#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>
#include <string>

class ArchiveName {
public:
    // Longest name in bytes: room is left for the ".zip" the run appends.
    static constexpr size_t kMaxBytes = 255 - 4;

    // "JPG ZIP Archive Dec 6 2026": the extension row upper-cased, then the
    // locale's abbreviated month, the day without leading zero and the year.
    static QString Propose(const QString& extensionRow, const QDate& date, const QLocale& locale = QLocale());

    // The name as bytes on disk.
    static std::string ToBytes(const QString& name);

    // Why the name cannot be used, or nothing when it can. Refused: empty or
    // blank, "." and "..", a "/", a NUL or a line break, more than kMaxBytes.
    static std::optional<QString> Check(const QString& name);
};

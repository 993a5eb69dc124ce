#pragma once
// The fixed vocabulary of the extension filter and the filter test itself.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <string_view>

namespace ExtensionList {

// The row that lets every file through; no extension ever equals it.
inline const QString kAllRow = QStringLiteral("All (*.*)");
// Where kAllRow stands in the sorted list (the Browse flow tests this index).
inline constexpr int kAllRowIndex = 14;
// The row selected when the window opens ("jpg").
inline constexpr int kInitialIndex = 81;

// The 174 rows in the order they are added (the list shows them sorted).
const QStringList& Rows();

// True when a should be shown above b: case-insensitive, digits before letters.
bool SortsBefore(const QString& a, const QString& b);

// The extension of the last path component, lower-cased: the text after its
// last "."; "" when the name has no dot.
std::string LowerExtension(const std::string& path);

// The row's index in Rows() as a row of the found-files list keeps it
// (FoundFile::listedUnder); 0xFF for kAllRow and for a row not in the list.
uint8_t ListedIndex(const QString& row);

// True when the file's extension equals the filter row. Never true for an
// empty row, nor for kAllRow (callers test that row themselves).
bool Matches(std::string_view path, const QString& row);

} // namespace ExtensionList

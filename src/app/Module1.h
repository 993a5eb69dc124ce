#pragma once
// The folder picker and the strings shared between the windows. Paths are
// bytes with "/" separators.
#include <QString>
#include <string>

namespace Module1 {

// Folder chosen in the last BrowseForFolder call; "" when it was cancelled.
extern std::string ChosenFolder;
// Staging folder of the current archive name, and the archive's path without
// ".zip"; set by the output dialog.
extern std::string StagingFolder;
extern std::string OutputBase;

// Shell folder identifiers understood by SpecialFolderPath.
inline constexpr int CSIDL_DESKTOP = 0;
inline constexpr int CSIDL_PERSONAL = 5;

inline const QString kPickerTitle = QStringLiteral("Volarin Z - Please select a folder.");

// Shows the folder picker, starting in the user's documents folder, and puts
// the chosen folder into ChosenFolder ("" when cancelled).
void BrowseForFolder();

// The folder's path with a trailing "/", or "" when it has none. For the
// documents folder: the home folder when ~/Documents does not exist.
std::string SpecialFolderPath(int csidl);

// Leading and trailing spaces removed.
std::string TrimSpaces(const std::string& text);

} // namespace Module1

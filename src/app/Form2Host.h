#pragma once
// What the Output dialog needs from the main window: the selected extension
// row, the folder picker, message boxes, and where to deliver the confirmed
// staging folder and archive base. Form1 implements it; tests fake it.
#include <QString>

#include <filesystem>
#include <string>

class Form2Host {
public:
    virtual ~Form2Host() = default;

    // Text of the row selected in the extension list ("jpg", "All (*.*)").
    virtual QString SelectedExtensionRow() const = 0;
    // Shows the folder picker and returns the chosen folder as bytes, "" when
    // cancelled.
    virtual std::string BrowseForFolder() = 0;
    // A message box telling the user why the name cannot be used now.
    virtual void ShowNameError(const QString& text) = 0;
    // True while a run reads from this staging folder, which must not be emptied.
    virtual bool StagingInUse(const std::filesystem::path& folder) const = 0;
    // The name was confirmed: the staging folder exists, empty, and the
    // archive will be outputBase + ".zip".
    virtual void OutputChosen(const std::filesystem::path& stagingFolder, const std::filesystem::path& outputBase) = 0;
};

#pragma once
// "Form1" in the stored form data.
// The main window's handlers: the found-files list that takes dropped
// folders, the extension filter, Browse, Clear, and the Start/Output buttons
// of the zip run, which it hands to the run service and follows through its
// signals. Its controls are made by MainWindowControls; what a press of
// Start hands over is RunHandOver's.
#include "Failure.h"
#include "FolderScan.h"
#include "MainWindowControls.h"
#include "OutputChoice.h"
#include "RunHandOver.h"
#include "SourceList.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ClickLabel;
class FileListView;
class FolderListing;
class FoundFilesModel;
class OutputNameDialog;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMimeData;
class QProgressBar;
class QShortcut;
class RunNotifier;
class XP_ProgressBar;
class ZipRunService;
class chameleonButton;
struct RunOutcome;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(ZipRunService& run, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Lists the files directly in folderPath (which ends in "/") that pass the
    // selected extension row, on top of the list.
    struct ScanResult {
        int added = 0;
        std::error_code error;  // the folder could not be listed
    };
    ScanResult ScanFolder(const std::string& folderPath);
    // "" stays ""; a path already ending in "/" is returned as it is; any other gets "/".
    static std::string TrailingSlash(const std::string& path);
    // Column widths, every row checked, and the button states after a scan.
    void FinishScan();
    // What a drop does with its paths: lists each folder among them in order
    // (off the window's thread, the rows coming in slices), leaves the others
    // out, then FinishScan. `told` then gets why each path left out was not
    // taken (NotAFolder) and each folder that could not be read
    // (FolderUnreadable), in order; those folders are also told in one message.
    void AddFolders(const std::vector<std::string>& paths,
                    std::function<void(const std::vector<Failure>&)> told = {});
    // True while dropped or browsed folders are still being listed.
    bool Listing() const;
    // Appends the full path of every checked row that passes the selected
    // extension row to the run list (which only Clear empties); returns it.
    // The checked rows it leaves out are kept for the message after the run.
    const SourceList& CollectCheckedFiles();

    FileListView* fileList() const { return ui_.fileList; }
    QComboBox* extensionList() const { return ui_.extensionList; }
    QLineEdit* folderField() const { return ui_.folderField; }
    QLabel* percentLabel() const { return ui_.percentLabel; }
    ClickLabel* helpLink() const { return ui_.helpLink; }
    QGroupBox* dropFrame() const { return ui_.dropFrame; }
    QGroupBox* extensionFrame() const { return ui_.extensionFrame; }
    XP_ProgressBar* drawnProgressBar() const { return ui_.drawnProgressBar; }
    QProgressBar* progressBar() const { return ui_.progressBar; }
    chameleonButton* startButton() const { return ui_.startButton; }
    chameleonButton* clearButton() const { return ui_.clearButton; }
    chameleonButton* outputButton() const { return ui_.outputButton; }
    chameleonButton* browseButton() const { return ui_.browseButton; }
    // The Output dialog while it is loaded.
    OutputNameDialog* outputDialog() const;

public slots:
    void ClearLists();
    // Opens the "open with" choice for the first selected row.
    void OpenSelectedFile();
    // Scans each dropped folder in order.
    void AddDroppedFolders(const QMimeData* data);
    // The folder picker, the scan and the "nothing found" messages.
    void BrowseClicked();
    void StartClicked();
    // Escape during a run: stops it as closing the window would, the window staying open.
    void StopClicked();
    // True when the folder's drive can hold an archive of the run list, or the
    // user chose to zip anyway after being told it may not.
    bool FitsOnDrive(const std::filesystem::path& folder);
    void OutputClicked();
    void HelpClicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectControls();
    void Load();
    QString SelectedExtensionRow() const { return ui_.SelectedExtensionRow(); }
    // Where both folder pickers open: the "Folder last browsed" box.
    std::string LastBrowsedFolder() const;
    void OutputChosen(const OutputChoice& choice);
    void RunStaged();
    void RunStarted();
    void RunProgress(int percent);
    void RunEnded(const RunOutcome& outcome);
    void BrowseListed(const std::string& chosen, const QString& filterRow, const ScanResult& scan);

    ZipRunService& run_;
    MainWindowControls ui_;
    FolderListing* listing_ = nullptr;
    QPointer<OutputNameDialog> outputDialog_;
    RunHandOver handOver_;
    QShortcut* stopShortcut_ = nullptr;  // Escape, while a run is under way
    int labelPercent_ = -1;  // what the percentage label shows
    std::optional<OutputChoice> output_;  // the last confirmed name and folder
    RunNotifier* runNotifier_ = nullptr;
};

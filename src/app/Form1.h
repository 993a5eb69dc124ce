#pragma once
// The main window: the found-files list that takes dropped folders, the
// extension filter, Browse, Clear, and the Start/Output buttons of the zip run.
#include "FoundFile.h"

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

class ClickLabel;
class FileListView;
class FoundFilesModel;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMimeData;
class QProgressBar;
class XP_ProgressBar;
class ZipWorkflow;
class chameleonButton;

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // --- Folder scan and extension filter ---
    // Lists the files directly in folderPath (which ends in "/") that pass the
    // selected filter row; returns how many rows were added.
    int ScanFolder(const std::string& folderPath);
    // True when the path's extension equals the selected filter row (never for "All (*.*)").
    bool ExtensionMatches(const std::string& path) const;
    // "" stays ""; a path already ending in "/" is returned as it is; any other gets "/".
    static std::string TrailingSlash(const std::string& path);
    // The text of the selected Combo1 row ("" when none is selected).
    QString SelectedFilterRow() const;

    // --- Found-files list ---
    // One row on top of the list (hides Label2).
    void AddFoundFile(const std::string& name, uint64_t size, const std::string& fullPath);
    static QString FormatSize(uint64_t size);
    void AutoSizeColumns();
    void CheckAllRows();
    // Appends the full path of every checked row that passes the selected
    // filter to List1 (List1 is never emptied here).
    void addlist();
    // Row count of ListView1, and the full path of a row (0 = top).
    int RowCount() const;
    const FoundFile& Row(int row) const;
    const std::vector<std::string>& List1() const { return List1_; }

    // --- Adding folders ---
    // Column widths, every row checked, and the button states after a scan.
    void FinishScan();

    // The widgets, for the workflow and for tests.
    FileListView* ListView1() const { return ListView1_; }
    FoundFilesModel* Files() const { return files_; }
    QComboBox* Combo1() const { return Combo1_; }
    QLineEdit* Text1() const { return Text1_; }
    QLabel* Label1() const { return Label1_; }
    QLabel* Label2() const { return Label2_; }
    ClickLabel* Label3() const { return Label3_; }
    QGroupBox* Frame1() const { return Frame1_; }
    QGroupBox* Frame2() const { return Frame2_; }
    XP_ProgressBar* XP_ProgressBar1() const { return XP_ProgressBar1_; }
    QProgressBar* prgZip() const { return prgZip_; }
    chameleonButton* chameleonButton1() const { return chameleonButton1_; } // Start
    chameleonButton* chameleonButton2() const { return chameleonButton2_; } // Clear
    chameleonButton* chameleonButton3() const { return chameleonButton3_; } // Output
    chameleonButton* chameleonButton5() const { return chameleonButton5_; } // Browse...

public slots:
    // "Clear": empties the lists and Text1 and disables Clear, Output and Start.
    void ClearLists();
    // Opens the "open with" choice for the first selected row.
    void ListView1_DblClick();
    // A drop of a file list on ListView1: scans each dropped folder in order.
    void ListView1_OLEDragDrop(const QMimeData* data);
    // "Browse...": the folder picker, the scan and messages A/B.
    void chameleonButton5_Click();

    // ==== Zip workflow slots: left empty here, filled in by the zip run. ====
    // "Start" (chameleonButton1).
    void chameleonButton1_Click();
    // "Output" (chameleonButton3).
    void chameleonButton3_Click();
    // "Online Help" (Label3).
    void Label3_Click();
    // The window is closing (Form_Unload).
    void Form_Unload();
    // ==== end of zip workflow slots ====

public:
    // The zip run's side of the window (Output dialog, staging, Zipper events).
    ZipWorkflow& Workflow() const { return *workflow_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void Load();

    FileListView* ListView1_ = nullptr;
    FoundFilesModel* files_ = nullptr;
    QComboBox* Combo1_ = nullptr;
    QLineEdit* Text1_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Label2_ = nullptr;
    ClickLabel* Label3_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    QGroupBox* Frame2_ = nullptr;
    XP_ProgressBar* XP_ProgressBar1_ = nullptr;
    QProgressBar* prgZip_ = nullptr;
    chameleonButton* chameleonButton1_ = nullptr;
    chameleonButton* chameleonButton2_ = nullptr;
    chameleonButton* chameleonButton3_ = nullptr;
    chameleonButton* chameleonButton5_ = nullptr;
    std::vector<std::string> List1_;
    ZipWorkflow* workflow_ = nullptr;
};

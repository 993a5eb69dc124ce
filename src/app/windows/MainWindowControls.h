#pragma once
// The main window's controls: made, named for the stored form data (which
// places and dresses them), given their fonts, accessible names and tab
// order, and the extension rows. The window owns them (each is a
// child of it) and wires them to its handlers.
#include <QString>

class ClickLabel;
class FileListView;
class FoundFilesModel;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QWidget;
class XP_ProgressBar;
class chameleonButton;

struct MainWindowControls {
    // Makes every control as a child of `window` and names the window "Form1".
    static MainWindowControls Create(QWidget& window);

    // Fills the extension list, sorted, and selects the first row shown.
    void FillExtensionRows();
    // The extension row selected, as the list keeps it (never translated).
    QString SelectedExtensionRow() const;

    FileListView* fileList = nullptr;
    FoundFilesModel* files = nullptr;
    QComboBox* extensionList = nullptr;
    QLineEdit* folderField = nullptr;
    QLabel* percentLabel = nullptr;
    ClickLabel* helpLink = nullptr;
    QGroupBox* dropFrame = nullptr;
    QGroupBox* extensionFrame = nullptr;
    XP_ProgressBar* drawnProgressBar = nullptr;
    QProgressBar* progressBar = nullptr;
    chameleonButton* startButton = nullptr;
    chameleonButton* clearButton = nullptr;
    chameleonButton* outputButton = nullptr;
    chameleonButton* browseButton = nullptr;

private:
    void createListArea(QWidget& window);
    void createRunControls(QWidget& window);
    void createBottomRow(QWidget& window);
    void createHiddenControls(QWidget& window);
};

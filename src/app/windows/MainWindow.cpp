#include "MainWindow.h"

#include "AppAccessibility.h"
#include "ClickLabel.h"
#include "DriveRules.h"
#include "ExtensionList.h"
#include "FileListView.h"
#include "FileSystem.h"
#include "FolderListing.h"
#include "FolderPicker.h"
#include "FoundFilesModel.h"
#include "HelpPage.h"
#include "Translations.h"
#include "LauncherProgress.h"
#include "OutputNameDialog.h"
#include "RunNotifier.h"
#include "RunOutcome.h"
#include "Shell.h"
#include "StoredSettings.h"
#include "UriList.h"
#include "UserMessage.h"
#include "XP_ProgressBar.h"
#include "ZipRunService.h"
#include "chameleonButton.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

namespace fs = std::filesystem;

namespace {

const QString kUriList = QStringLiteral("text/uri-list");

} // namespace

MainWindow::MainWindow(ZipRunService& run, QWidget* parent) : QWidget(parent), run_(run)
{
    AppAccessibility::Install();
    ui_ = MainWindowControls::Create(*this);
    listing_ = new FolderListing([this](auto first, auto last) {
        ui_.percentLabel->setVisible(false);
        ui_.files->AddRows(first, last);
        ui_.fileList->MeasureNewRows();
    }, this);
    ConnectControls();
    // Places every control and dresses the owner-drawn ones.
    LoadStoredSettings(*this, QStringLiteral(":/forms/Form1.frm"));
    Load();
    // Outside the window: progress on the task bar, a notification when a run
    // ends in the background (before any message box takes the focus).
    auto* launcher = new LauncherProgress(QDBusConnection::sessionBus(), this);
    connect(&run_, &ZipRunService::Started, launcher, &LauncherProgress::Show);
    connect(&run_, &ZipRunService::Progress, launcher, &LauncherProgress::SetPercent);
    connect(&run_, &ZipRunService::Ended, launcher, &LauncherProgress::Hide);
    runNotifier_ = new RunNotifier(this, QDBusConnection::sessionBus(), this);
    connect(&run_, &ZipRunService::Ended, runNotifier_, &RunNotifier::Ended);
    connect(&run_, &ZipRunService::Staged, this, &MainWindow::RunStaged);
    connect(&run_, &ZipRunService::Started, this, &MainWindow::RunStarted);
    connect(&run_, &ZipRunService::Progress, this, &MainWindow::RunProgress);
    connect(&run_, &ZipRunService::Ended, this, &MainWindow::RunEnded);
}

MainWindow::~MainWindow() = default;

// ---------------------------------------------------------------- controls

void MainWindow::ConnectControls()
{
    connect(ui_.fileList, &FileListView::OLEDragDrop, this, &MainWindow::AddDroppedFolders);
    connect(ui_.fileList, &FileListView::DblClick, this, &MainWindow::OpenSelectedFile);
    connect(ui_.startButton, &chameleonButton::Click, this, &MainWindow::StartClicked);
    connect(ui_.clearButton, &chameleonButton::Click, this, &MainWindow::ClearLists);
    connect(ui_.outputButton, &chameleonButton::Click, this, &MainWindow::OutputClicked);
    connect(ui_.browseButton, &chameleonButton::Click, this, &MainWindow::BrowseClicked);
    connect(ui_.helpLink, &ClickLabel::Click, this, &MainWindow::HelpClicked);

    // Only while a run is under way, so Escape keeps its other uses otherwise.
    stopShortcut_ = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &MainWindow::StopClicked,
                                  Qt::WindowShortcut);
    stopShortcut_->setEnabled(false);
}

void MainWindow::Load()
{
    ui_.startButton->SetEnabled(false);
    ui_.outputButton->SetEnabled(false);
    ui_.clearButton->SetEnabled(false);

    ui_.FillExtensionRows();
}

// ---------------------------------------------------------------- scan and list

std::string MainWindow::TrailingSlash(const std::string& path)
{
    if (path.empty() || path.back() == '/')
        return path;
    return path + '/';
}

MainWindow::ScanResult MainWindow::ScanFolder(const std::string& folderPath)
{
    // The filter row cannot change while the scan runs: nothing yields to the
    // event loop until it is over.
    FolderScanResult scan = FolderScan::Run(folderPath, SelectedExtensionRow());
    const int added = static_cast<int>(scan.rows.size());
    if (added > 0) {
        ui_.percentLabel->setVisible(false);
        ui_.files->AddRows(std::move(scan.rows));
    }
    return {added, scan.error};
}

void MainWindow::FinishScan()
{
    ui_.fileList->AutoSizeColumns();
    ui_.files->CheckAllRows();
    if (ui_.files->Count() > 0) {
        ui_.startButton->SetEnabled(false);
        ui_.clearButton->SetEnabled(true);
        ui_.outputButton->SetEnabled(true);
    }
}

const SourceList& MainWindow::CollectCheckedFiles()
{
    return handOver_.Collect(*ui_.files, SelectedExtensionRow());
}

void MainWindow::ClearLists()
{
    // Folders still being listed would fill the list again.
    listing_->Stop();
    ui_.files->Clear();
    handOver_.Clear();
    ui_.folderField->clear();
    ui_.clearButton->SetEnabled(false);
    ui_.outputButton->SetEnabled(false);
    ui_.startButton->SetEnabled(false);
    ui_.drawnProgressBar->SetColor(0xFFFFFF);
    ui_.percentLabel->setVisible(false);
}

void MainWindow::OpenSelectedFile()
{
    const QModelIndexList selected = ui_.fileList->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    int first = selected.front().row();
    for (const QModelIndex& index : selected)
        first = std::min(first, index.row());
    Shell::Instance().OpenWith(ui_.files->Row(first).fullPath);
}

// ---------------------------------------------------------------- adding folders

bool MainWindow::Listing() const
{
    return listing_->Busy();
}

void MainWindow::AddFolders(const std::vector<std::string>& paths,
                            std::function<void(const std::vector<Failure>&)> told)
{
    std::vector<FolderListing::Folder> folders;
    // One separator appended as is: "/" scans as "//".
    for (const std::string& path : paths)
        folders.push_back({path, path + '/'});
    listing_->List(std::move(folders), SelectedExtensionRow(),
                   [this, told = std::move(told)](const FolderListing::Outcome& outcome) {
        FinishScan();
        Failure unreadable{.kind = FailureKind::FoldersUnreadable};
        for (const Failure& failure : outcome.notTaken)
            if (failure.kind == FailureKind::FolderUnreadable)
                unreadable.leftOut.push_back(failure);
        if (told)
            told(outcome.notTaken);
        // Told after the caller's event (a drop, the start-up) has ended, so a
        // file manager is not kept waiting for the message box.
        if (!unreadable.leftOut.empty())
            QTimer::singleShot(0, this, [unreadable] { UserMessage::Show(unreadable); });
    });
}

void MainWindow::AddDroppedFolders(const QMimeData* data)
{
    std::vector<std::string> paths;
    if (data && data->hasFormat(kUriList))
        paths = LocalPathsFromUriList(data->data(kUriList));
    // Files and vanished paths are dropped without a word.
    AddFolders(paths);
}

void MainWindow::BrowseClicked()
{
    const std::string chosen = FolderPicker::Browse(LastBrowsedFolder());
    if (chosen.empty())
        return;
    ui_.folderField->setText(QFile::decodeName(chosen.c_str()));

    // Scans the chosen bytes rather than the field's text, which shows a name
    // that is not valid UTF-8 with replacement characters.
    const QString filterRow = SelectedExtensionRow();
    listing_->List({{chosen, TrailingSlash(chosen)}}, filterRow,
                   [this, chosen, filterRow](const FolderListing::Outcome& outcome) {
        ScanResult scan;
        scan.added = outcome.added;
        // A folder that is not there (any more) finds nothing.
        for (const Failure& failure : outcome.notTaken)
            if (failure.kind == FailureKind::FolderUnreadable)
                scan.error = failure.code;
        BrowseListed(chosen, filterRow, scan);
    });
}

// The messages name the extension row the folder was listed with.
void MainWindow::BrowseListed(const std::string& chosen, const QString& filterRow, const ScanResult& scan)
{
    // "Nothing found" would be untrue of a folder that could not be read.
    const std::optional<Failure> unreadable = scan.error
        ? std::optional<Failure>({.kind = FailureKind::FolderUnreadable, .code = scan.error, .path = chosen})
        : std::nullopt;

    const Failure nothingFound{.kind = FailureKind::NoFilesFound};
    if (ui_.files->Count() == 0) {
        if (unreadable)
            UserMessage::Show(*unreadable);
        else if (filterRow == ExtensionList::kAllRow)
            UserMessage::Show(nothingFound);
        else
            UserMessage::Show({.kind = FailureKind::NoFilesOfTypeFound, .name = filterRow});
        ui_.folderField->clear();
        return;
    }
    FinishScan();
    if (unreadable || scan.added == 0) {
        UserMessage::Show(unreadable.value_or(nothingFound));
        ui_.folderField->clear();
    }
}

std::string MainWindow::LastBrowsedFolder() const
{
    return QFile::encodeName(ui_.folderField->text()).toStdString();
}

// ---------------------------------------------------------------- zip run

OutputNameDialog* MainWindow::outputDialog() const
{
    return outputDialog_;
}

void MainWindow::OutputClicked()
{
    if (!outputDialog_) {
        outputDialog_ = new OutputNameDialog(SelectedExtensionRow(), this);
        connect(outputDialog_, &OutputNameDialog::Chosen, this, &MainWindow::OutputChosen);
        // A closed dialog is on its way out (it goes from the event loop):
        // the next Output loads a fresh one, never that one again.
        connect(outputDialog_, &OutputNameDialog::Unloaded, this, [this] { outputDialog_.clear(); });
        outputDialog_->SetPickerStart([this] { return LastBrowsedFolder(); });
    }
    outputDialog_->ShowDialog();
}

void MainWindow::OutputChosen(const OutputChoice& choice)
{
    output_ = choice;
    ui_.startButton->SetEnabled(true);
}

void MainWindow::StartClicked()
{
    // A name confirmed during a run enables Start again; a second run cannot
    // begin before the first has ended, and the run list is left as it is.
    if (const Status ready = run_.CanStart(); !ready) {
        UserMessage::Show(ready.failure());
        return;
    }
    const RunHandOver::Mark before = handOver_.Here();
    const SourceList& files = CollectCheckedFiles();
    if (files.size() == before.files) {
        // Nothing of this press would go in: an earlier selection is not zipped again unasked.
        if (handOver_.FilteredOut().empty())
            UserMessage::Show({.kind = FailureKind::NothingChecked});
        else
            UserMessage::Show({.kind = FailureKind::NoneOfSelectedType, .name = SelectedExtensionRow()});
        return;
    }
    if (!output_)
        return;
    if (!FitsOnDrive(output_->archive.parent_path())) {
        // Not zipped after all: this press hands nothing over.
        handOver_.Undo(before);
        return;
    }
    runNotifier_->Starting(output_->archive);
    run_.Start({files, output_->archive, handOver_.TakeFilteredOut()});
    stopShortcut_->setEnabled(run_.Running());
    // The files are staged in the background now; Start and Output wait for
    // the next scan and the next confirmed name, whatever happens next.
    RunStaged();
}

bool MainWindow::FitsOnDrive(const fs::path& folder)
{
    if (handOver_.FitsIn(DriveRules::LargestFile(folder)))
        return true;
    return UserMessage::Ask({.kind = FailureKind::ArchiveMayOutgrowDrive, .path = folder, .size = handOver_.Bytes()});
}

void MainWindow::StopClicked()
{
    run_.Stop();
}

void MainWindow::RunStaged()
{
    ui_.startButton->SetEnabled(false);
    ui_.outputButton->SetEnabled(false);
}

void MainWindow::RunStarted()
{
    ui_.progressBar->setVisible(true);
}

void MainWindow::RunProgress(int percent)
{
    // A run of many small files reports the same percentage thousands of
    // times: only a change of what is shown is drawn and told to screen
    // readers, at most once per percent.
    if (ui_.progressBar->value() != percent)
        ui_.progressBar->setValue(percent);
    if (ui_.drawnProgressBar->Color() != 0x808000u)
        ui_.drawnProgressBar->SetColor(0x808000);
    if (ui_.drawnProgressBar->Value() != ui_.progressBar->value())
        ui_.drawnProgressBar->SetValue(ui_.progressBar->value());
    if (ui_.percentLabel->isHidden())
        ui_.percentLabel->setVisible(true);
    if (percent != labelPercent_) {
        labelPercent_ = percent;
        //: The run's percentage beside the buttons.
        ui_.percentLabel->setText(tr("%1%").arg(percent));
    }
}

void MainWindow::RunEnded(const RunOutcome& outcome)
{
    stopShortcut_->setEnabled(false);
    if (outcome.end == RunOutcome::End::Stopped) {
        // The rows are still listed: a name confirmed again starts the next run.
        ui_.progressBar->setVisible(false);
        ui_.percentLabel->setVisible(false);
        ui_.outputButton->SetEnabled(ui_.files->Count() > 0);
    }
    if (outcome.end == RunOutcome::End::Failed)
        ui_.progressBar->setVisible(false);
    else if (outcome.end == RunOutcome::End::Completed)
        ui_.percentLabel->setVisible(true);
    if (outcome.failure)
        UserMessage::Show(*outcome.failure);
}

void MainWindow::HelpClicked()
{
    const QString folder = QFile::decodeName(FileSystem::Instance().ProgramFolder().c_str());
    const QString page = HelpPage::Find(folder, Translations::Language());
    if (page.isEmpty()) {
        const QStringList places = HelpPage::Candidates(folder);
        UserMessage::Show({.kind = FailureKind::HelpPageMissing,
                           .path = QFile::encodeName(places.value(0)).toStdString(),
                           .other = QFile::encodeName(places.value(1)).toStdString()});
        return;
    }
    Shell::Instance().OpenUrl(QUrl::fromLocalFile(page).toString());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Unloaded as Cancel does: not under a message box it may have open.
    if (outputDialog_)
        outputDialog_->close();
    listing_->Stop();
    // A staging folder that cannot go now is left to the next start-up, unsaid.
    run_.Shutdown();
    event->accept();
}

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

#include <array>

#include <unordered_set>

namespace fs = std::filesystem;

namespace {

QFont StoredFont(const QString& family, double points, QFont::Weight weight = QFont::Normal)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

const QString kUriList = QStringLiteral("text/uri-list");

} // namespace

MainWindow::MainWindow(ZipRunService& run, QWidget* parent) : QWidget(parent), run_(run)
{
    AppAccessibility::Install();
    CreateControls();
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

void MainWindow::CreateControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Volarin Z 1.0"));
    setFont(StoredFont(QStringLiteral("MS Sans Serif"), 8.25));
    CreateListArea();
    CreateRunControls();
    CreateBottomRow();
    CreateHiddenControls();
    ConnectControls();
}

void MainWindow::CreateListArea()
{
    dropFrame_ = new QGroupBox(tr("Drag and Drop Folders"), this);
    dropFrame_->setObjectName(QStringLiteral("Frame1"));
    dropFrame_->setFont(StoredFont(QStringLiteral("Cambria"), 11.25));

    files_ = new FoundFilesModel(this);
    listing_ = new FolderListing([this](auto first, auto last) {
        percentLabel_->setVisible(false);
        files_->AddRows(first, last);
        fileList_->MeasureNewRows();
    }, this);
    fileList_ = new FileListView(dropFrame_);
    fileList_->setObjectName(QStringLiteral("ListView1"));
    fileList_->setFont(font()); // a frame's font is its caption's only
    fileList_->setModel(files_);
    fileList_->setAccessibleName(tr("Found files"));
    fileList_->setAccessibleDescription(tr("Drop folders here to list their files"));

    extensionFrame_ = new QGroupBox(tr("File Extension"), this);
    extensionFrame_->setObjectName(QStringLiteral("Frame2"));
    extensionFrame_->setFont(StoredFont(QStringLiteral("Cambria"), 11.25));

    extensionList_ = new QComboBox(extensionFrame_);
    extensionList_->setObjectName(QStringLiteral("Combo1"));
    extensionList_->setFont(StoredFont(QStringLiteral("MS Sans Serif"), 9.75));
    extensionList_->setEditable(false);
    extensionList_->setMaxVisibleItems(16);
    extensionList_->setAccessibleName(tr("File Extension"));
}

void MainWindow::CreateRunControls()
{
    drawnProgressBar_ = new XP_ProgressBar(this);
    drawnProgressBar_->setObjectName(QStringLiteral("XP_ProgressBar1"));
    drawnProgressBar_->setVisible(false);
    drawnProgressBar_->setAccessibleName(tr("Zip progress"));

    // The buttons' captions come with their stored settings.
    startButton_ = new chameleonButton(this);
    startButton_->setObjectName(QStringLiteral("chameleonButton1"));

    outputButton_ = new chameleonButton(this);
    outputButton_->setObjectName(QStringLiteral("chameleonButton3"));

    percentLabel_ = new QLabel(this);
    percentLabel_->setObjectName(QStringLiteral("Label2"));
    percentLabel_->setFont(StoredFont(QStringLiteral("Arial Black"), 9, QFont::Black));
    percentLabel_->setVisible(false);
}

void MainWindow::CreateBottomRow()
{
    folderField_ = new QLineEdit(this);
    folderField_->setObjectName(QStringLiteral("Text1"));
    folderField_->setFont(StoredFont(QStringLiteral("MS Sans Serif"), 9.75));
    folderField_->setAccessibleName(tr("Folder last browsed"));

    browseButton_ = new chameleonButton(this);
    browseButton_->setObjectName(QStringLiteral("chameleonButton5"));

    clearButton_ = new chameleonButton(this);
    clearButton_->setObjectName(QStringLiteral("chameleonButton2"));

    helpLink_ = new ClickLabel(tr("Online Help"), this);
    helpLink_->setObjectName(QStringLiteral("Label3"));
    QPalette linkPalette = helpLink_->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(128, 128, 255));
    helpLink_->setPalette(linkPalette);
    helpLink_->setCursor(Qt::PointingHandCursor);
    helpLink_->setFocusPolicy(Qt::TabFocus);
}

void MainWindow::CreateHiddenControls()
{
    // Below the client area and never visible.
    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("prgZip"));
    progressBar_->setRange(0, 100);
    progressBar_->setVisible(false);
    progressBar_->setAccessibleName(tr("Zip progress"));

    // No role; kept hidden so assistive technology does not read "Label1" out.
    auto* unused = new QLabel(QStringLiteral("Label1"), this);
    unused->setObjectName(QStringLiteral("Label1"));
    unused->setVisible(false);
}

void MainWindow::ConnectControls()
{
    setTabOrder(fileList_, extensionList_);
    setTabOrder(extensionList_, startButton_);
    setTabOrder(startButton_, outputButton_);
    setTabOrder(outputButton_, folderField_);
    setTabOrder(folderField_, browseButton_);
    setTabOrder(browseButton_, helpLink_);
    setTabOrder(helpLink_, clearButton_);

    connect(fileList_, &FileListView::OLEDragDrop, this, &MainWindow::AddDroppedFolders);
    connect(fileList_, &FileListView::DblClick, this, &MainWindow::OpenSelectedFile);
    connect(startButton_, &chameleonButton::Click, this, &MainWindow::StartClicked);
    connect(clearButton_, &chameleonButton::Click, this, &MainWindow::ClearLists);
    connect(outputButton_, &chameleonButton::Click, this, &MainWindow::OutputClicked);
    connect(browseButton_, &chameleonButton::Click, this, &MainWindow::BrowseClicked);
    connect(helpLink_, &ClickLabel::Click, this, &MainWindow::HelpClicked);

    // Only while a run is under way, so Escape keeps its other uses otherwise.
    stopShortcut_ = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &MainWindow::StopClicked,
                                  Qt::WindowShortcut);
    stopShortcut_->setEnabled(false);
}

void MainWindow::Load()
{
    startButton_->SetEnabled(false);
    outputButton_->SetEnabled(false);
    clearButton_->SetEnabled(false);

    // The list is kept sorted as rows come in, so the displayed order does not
    // depend on the order of the vocabulary. Each row keeps its own text as
    // its data; only "All (*.*)" is shown in the user's language, in its place.
    for (const QString& row : ExtensionList::Rows()) {
        int at = extensionList_->count();
        while (at > 0 && ExtensionList::SortsBefore(row, extensionList_->itemData(at - 1).toString()))
            --at;
        //: The row of the extension list that lists files of every kind.
        extensionList_->insertItem(at, row == ExtensionList::kAllRow ? tr("All (*.*)") : row, row);
    }
    extensionList_->setCurrentIndex(ExtensionList::kInitialIndex);
}

// ---------------------------------------------------------------- scan and list

QString MainWindow::SelectedExtensionRow() const
{
    const int index = extensionList_->currentIndex();
    return index < 0 ? QString() : extensionList_->itemData(index).toString();
}

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
        percentLabel_->setVisible(false);
        files_->AddRows(std::move(scan.rows));
    }
    return {added, scan.error};
}

void MainWindow::FinishScan()
{
    fileList_->AutoSizeColumns();
    files_->CheckAllRows();
    if (files_->Count() > 0) {
        startButton_->SetEnabled(false);
        clearButton_->SetEnabled(true);
        outputButton_->SetEnabled(true);
    }
}

const SourceList& MainWindow::CollectCheckedFiles()
{
    const QString row = SelectedExtensionRow();
    const bool all = row == ExtensionList::kAllRow;
    const size_t earlier = runList_.size();
    // A row listed under a filter row is known to pass that row and no other,
    // so only rows listed under "All (*.*)" have their names looked at.
    std::array<bool, 256> listedPasses{};
    const QStringList& rows = ExtensionList::Rows();
    for (qsizetype i = 0; i < rows.size() && i < FoundFile::kListedUnderAll; ++i)
        listedPasses[static_cast<size_t>(i)] = rows[i] == row;
    // The run reads the paths where the list keeps them: nothing is copied here.
    runList_.Keep(files_->Storage());
    runList_.Reserve(earlier + static_cast<size_t>(files_->Count()));
    std::vector<std::string_view> notMatching;
    files_->ForEachShown([&](const FoundFile& file) {
        if (!file.checked)
            return;
        const bool passes = all || (file.listedUnder == FoundFile::kListedUnderAll
                                        ? ExtensionList::Matches(file.fullPath, row)
                                        : listedPasses[file.listedUnder]);
        if (passes) {
            runList_.Add(file.fullPath);
            runListBytes_ += file.size == FoundFile::kUnknownSize ? 0 : file.size;
        }
        else
            notMatching.push_back(file.fullPath);
    });
    filteredOut_.clear();
    for (const std::string_view path : HandedOverBefore(notMatching, earlier))
        filteredOut_.push_back({.kind = FailureKind::NotOfSelectedType, .path = path, .name = row});
    return runList_;
}

std::vector<std::string_view> MainWindow::HandedOverBefore(std::vector<std::string_view> paths, size_t before) const
{
    // A file an earlier press handed over still goes in, whatever the filter
    // says now: those are taken out of `paths`. The smaller side is hashed.
    if (paths.empty() || before == 0)
        return paths;
    const auto earlier = runList_.Paths().begin();
    if (paths.size() <= before) {
        std::unordered_set<std::string_view> left(paths.begin(), paths.end());
        for (auto it = earlier; it != earlier + static_cast<std::ptrdiff_t>(before) && !left.empty(); ++it)
            left.erase(*it);
        std::erase_if(paths, [&](std::string_view path) { return !left.count(path); });
    } else {
        const std::unordered_set<std::string_view> handed(earlier, earlier + static_cast<std::ptrdiff_t>(before));
        std::erase_if(paths, [&](std::string_view path) { return handed.count(path) > 0; });
    }
    return paths;
}

void MainWindow::ClearLists()
{
    // Folders still being listed would fill the list again.
    listing_->Stop();
    files_->Clear();
    runList_.Clear();
    runListBytes_ = 0;
    folderField_->clear();
    clearButton_->SetEnabled(false);
    outputButton_->SetEnabled(false);
    startButton_->SetEnabled(false);
    drawnProgressBar_->SetColor(0xFFFFFF);
    percentLabel_->setVisible(false);
}

void MainWindow::OpenSelectedFile()
{
    const QModelIndexList selected = fileList_->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    int first = selected.front().row();
    for (const QModelIndex& index : selected)
        first = std::min(first, index.row());
    Shell::Instance().OpenWith(files_->Row(first).fullPath);
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
    folderField_->setText(QFile::decodeName(chosen.c_str()));

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
    if (files_->Count() == 0) {
        if (unreadable)
            UserMessage::Show(*unreadable);
        else if (filterRow == ExtensionList::kAllRow)
            UserMessage::Show(nothingFound);
        else
            UserMessage::Show({.kind = FailureKind::NoFilesOfTypeFound, .name = filterRow});
        folderField_->clear();
        return;
    }
    FinishScan();
    if (unreadable || scan.added == 0) {
        UserMessage::Show(unreadable.value_or(nothingFound));
        folderField_->clear();
    }
}

std::string MainWindow::LastBrowsedFolder() const
{
    return QFile::encodeName(folderField_->text()).toStdString();
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
    startButton_->SetEnabled(true);
}

void MainWindow::StartClicked()
{
    // A name confirmed during a run enables Start again; a second run cannot
    // begin before the first has ended, and the run list is left as it is.
    if (const Status ready = run_.CanStart(); !ready) {
        UserMessage::Show(ready.failure());
        return;
    }
    const size_t before = runList_.size();
    const uint64_t bytesBefore = runListBytes_;
    const SourceList& files = CollectCheckedFiles();
    if (files.size() == before) {
        // Nothing of this press would go in: an earlier selection is not zipped again unasked.
        if (filteredOut_.empty())
            UserMessage::Show({.kind = FailureKind::NothingChecked});
        else
            UserMessage::Show({.kind = FailureKind::NoneOfSelectedType, .name = SelectedExtensionRow()});
        return;
    }
    if (!output_)
        return;
    if (!FitsOnDrive(output_->archive.parent_path())) {
        // Not zipped after all: this press hands nothing over.
        runList_.Truncate(before);
        runListBytes_ = bytesBefore;
        filteredOut_.clear();
        return;
    }
    runNotifier_->Starting(output_->archive);
    run_.Start({files, output_->archive, std::move(filteredOut_)});
    filteredOut_.clear();
    stopShortcut_->setEnabled(run_.Running());
    // The files are staged in the background now; Start and Output wait for
    // the next scan and the next confirmed name, whatever happens next.
    RunStaged();
}

bool MainWindow::FitsOnDrive(const fs::path& folder)
{
    // A header and a directory record per entry, a few dozen bytes each beside its name.
    const uint64_t largest = DriveRules::LargestFile(folder);
    const uint64_t bound = runListBytes_ + 128 * static_cast<uint64_t>(runList_.size());
    if (largest == 0 || bound <= largest)
        return true;
    return UserMessage::Ask({.kind = FailureKind::ArchiveMayOutgrowDrive, .path = folder, .size = runListBytes_});
}

void MainWindow::StopClicked()
{
    run_.Stop();
}

void MainWindow::RunStaged()
{
    startButton_->SetEnabled(false);
    outputButton_->SetEnabled(false);
}

void MainWindow::RunStarted()
{
    progressBar_->setVisible(true);
}

void MainWindow::RunProgress(int percent)
{
    // A run of many small files reports the same percentage thousands of
    // times: only a change of what is shown is drawn and told to screen
    // readers, at most once per percent.
    if (progressBar_->value() != percent)
        progressBar_->setValue(percent);
    if (drawnProgressBar_->Color() != 0x808000u)
        drawnProgressBar_->SetColor(0x808000);
    if (drawnProgressBar_->Value() != progressBar_->value())
        drawnProgressBar_->SetValue(progressBar_->value());
    if (percentLabel_->isHidden())
        percentLabel_->setVisible(true);
    //: The run's percentage beside the buttons.
    const QString text = tr("%1%").arg(percent);
    if (percentLabel_->text() != text)
        percentLabel_->setText(text);
}

void MainWindow::RunEnded(const RunOutcome& outcome)
{
    stopShortcut_->setEnabled(false);
    if (outcome.end == RunOutcome::End::Stopped) {
        // The rows are still listed: a name confirmed again starts the next run.
        progressBar_->setVisible(false);
        percentLabel_->setVisible(false);
        outputButton_->SetEnabled(files_->Count() > 0);
    }
    if (outcome.end == RunOutcome::End::Failed)
        progressBar_->setVisible(false);
    else if (outcome.end == RunOutcome::End::Completed)
        percentLabel_->setVisible(true);
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

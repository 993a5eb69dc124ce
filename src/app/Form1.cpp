#include "Form1.h"

#include "ClickLabel.h"
#include "ExtensionList.h"
#include "FileListView.h"
#include "FileSystem.h"
#include "FoundFilesModel.h"
#include "Module1.h"
#include "Shell.h"
#include "SizeText.h"
#include "StoredSettings.h"
#include "UriList.h"
#include "XP_ProgressBar.h"
#include "ZipWorkflow.h"
#include "chameleonButton.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>

namespace {

// The windows are laid out in twips; 15 twips make one pixel at 96 dpi.
QRect Twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

QFont StoredFont(const QString& family, double points, QFont::Weight weight = QFont::Normal)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

const QString kUriList = QStringLiteral("text/uri-list");

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent)
{
    CreateControls();
    ApplyStoredSettings(*this, QStringLiteral(":/forms/Form1.frm"));
    Load();
    // Owns the Zipper, the Output dialog and the staging folders; a child, so
    // it goes with the window.
    workflow_ = new ZipWorkflow(*this);
}

Form1::~Form1() = default;

void Form1::CreateControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Volarin Z 1.0"));
    setFixedSize(640, 328);
    setFont(StoredFont(QStringLiteral("MS Sans Serif"), 8.25));

    Frame1_ = new QGroupBox(tr("Drag and Drop Folders"), this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    Frame1_->setGeometry(Twips(120, 0, 6615, 4335));
    Frame1_->setFont(StoredFont(QStringLiteral("Cambria"), 11.25));

    files_ = new FoundFilesModel(this);
    ListView1_ = new FileListView(Frame1_);
    ListView1_->setObjectName(QStringLiteral("ListView1"));
    ListView1_->setGeometry(Twips(120, 360, 6375, 3855));
    ListView1_->setFont(font()); // a frame's font is its caption's only
    ListView1_->setModel(files_);
    ListView1_->setAccessibleName(tr("Found files"));
    ListView1_->setAccessibleDescription(tr("Drop folders here to list their files"));

    Frame2_ = new QGroupBox(tr("File Extension"), this);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    Frame2_->setGeometry(Twips(6840, 0, 2655, 1095));
    Frame2_->setFont(StoredFont(QStringLiteral("Cambria"), 11.25));

    Combo1_ = new QComboBox(Frame2_);
    Combo1_->setObjectName(QStringLiteral("Combo1"));
    Combo1_->setGeometry(Twips(120, 480, 2415, 360));
    Combo1_->setFont(StoredFont(QStringLiteral("MS Sans Serif"), 9.75));
    Combo1_->setEditable(false);
    Combo1_->setMaxVisibleItems(16);
    Combo1_->setAccessibleName(tr("File Extension"));

    XP_ProgressBar1_ = new XP_ProgressBar(this);
    XP_ProgressBar1_->setObjectName(QStringLiteral("XP_ProgressBar1"));
    XP_ProgressBar1_->setGeometry(Twips(6840, 1200, 2655, 255));
    XP_ProgressBar1_->setVisible(false);

    chameleonButton1_ = new chameleonButton(this);
    chameleonButton1_->setObjectName(QStringLiteral("chameleonButton1"));
    chameleonButton1_->setGeometry(Twips(6840, 1560, 2655, 735));
    chameleonButton1_->SetCaption(QStringLiteral("Start"));

    chameleonButton3_ = new chameleonButton(this);
    chameleonButton3_->setObjectName(QStringLiteral("chameleonButton3"));
    chameleonButton3_->setGeometry(Twips(6840, 2760, 2655, 735));
    chameleonButton3_->SetCaption(QStringLiteral("Output"));

    Label2_ = new QLabel(this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setGeometry(Twips(7800, 3720, 975, 495));
    Label2_->setFont(StoredFont(QStringLiteral("Arial Black"), 9, QFont::Black));
    Label2_->setVisible(false);

    Text1_ = new QLineEdit(this);
    Text1_->setObjectName(QStringLiteral("Text1"));
    Text1_->setGeometry(Twips(120, 4440, 5535, 375));
    Text1_->setFont(StoredFont(QStringLiteral("MS Sans Serif"), 9.75));
    Text1_->setAccessibleName(tr("Folder last browsed"));

    chameleonButton5_ = new chameleonButton(this);
    chameleonButton5_->setObjectName(QStringLiteral("chameleonButton5"));
    chameleonButton5_->setGeometry(Twips(5760, 4440, 1215, 375));
    chameleonButton5_->SetCaption(QStringLiteral("Browse..."));

    chameleonButton2_ = new chameleonButton(this);
    chameleonButton2_->setObjectName(QStringLiteral("chameleonButton2"));
    chameleonButton2_->setGeometry(Twips(8280, 4440, 1215, 375));
    chameleonButton2_->SetCaption(QStringLiteral("Clear"));

    Label3_ = new ClickLabel(tr("Online Help"), this);
    Label3_->setObjectName(QStringLiteral("Label3"));
    Label3_->setGeometry(Twips(7080, 4560, 1095, 255));
    QPalette linkPalette = Label3_->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(128, 128, 255));
    Label3_->setPalette(linkPalette);
    Label3_->setCursor(Qt::PointingHandCursor);
    Label3_->setFocusPolicy(Qt::TabFocus);

    // Below the client area and never visible.
    prgZip_ = new QProgressBar(this);
    prgZip_->setObjectName(QStringLiteral("prgZip"));
    prgZip_->setGeometry(Twips(120, 7680, 3000, 315));
    prgZip_->setRange(0, 100);
    prgZip_->setVisible(false);

    // No role; kept hidden so assistive technology does not read "Label1" out.
    Label1_ = new QLabel(QStringLiteral("Label1"), this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setGeometry(Twips(7920, 7680, 2295, 495));
    Label1_->setVisible(false);

    setTabOrder(ListView1_, Combo1_);
    setTabOrder(Combo1_, chameleonButton1_);
    setTabOrder(chameleonButton1_, chameleonButton3_);
    setTabOrder(chameleonButton3_, Text1_);
    setTabOrder(Text1_, chameleonButton5_);
    setTabOrder(chameleonButton5_, Label3_);
    setTabOrder(Label3_, chameleonButton2_);

    connect(ListView1_, &FileListView::OLEDragDrop, this, &Form1::ListView1_OLEDragDrop);
    connect(ListView1_, &FileListView::DblClick, this, &Form1::ListView1_DblClick);
    connect(chameleonButton1_, &chameleonButton::Click, this, &Form1::chameleonButton1_Click);
    connect(chameleonButton2_, &chameleonButton::Click, this, &Form1::ClearLists);
    connect(chameleonButton3_, &chameleonButton::Click, this, &Form1::chameleonButton3_Click);
    connect(chameleonButton5_, &chameleonButton::Click, this, &Form1::chameleonButton5_Click);
    connect(Label3_, &ClickLabel::Click, this, &Form1::Label3_Click);
}

void Form1::Load()
{
    chameleonButton1_->SetEnabled(false);
    chameleonButton3_->SetEnabled(false);
    chameleonButton2_->SetEnabled(false);

    // The list is kept sorted as rows come in, so the displayed order does not
    // depend on the order of the vocabulary.
    for (const QString& row : ExtensionList::Rows()) {
        int at = Combo1_->count();
        while (at > 0 && ExtensionList::SortsBefore(row, Combo1_->itemText(at - 1)))
            --at;
        Combo1_->insertItem(at, row);
    }
    Combo1_->setCurrentIndex(ExtensionList::kInitialIndex);
}

// ---------------------------------------------------------------- scan

QString Form1::SelectedFilterRow() const
{
    const int index = Combo1_->currentIndex();
    return index < 0 ? QString() : Combo1_->itemText(index);
}

bool Form1::ExtensionMatches(const std::string& path) const
{
    return ExtensionList::Matches(path, SelectedFilterRow());
}

std::string Form1::TrailingSlash(const std::string& path)
{
    if (path.empty() || path.back() == '/')
        return path;
    return path + '/';
}

int Form1::ScanFolder(const std::string& folderPath)
{
    const FsResult<std::vector<FolderFile>> listing = FileSystem::Instance().FolderFiles(folderPath);
    // The filter row cannot change while the scan runs: nothing yields to the
    // event loop until it is over.
    const QString row = SelectedFilterRow();
    const bool all = row == ExtensionList::kAllRow;
    const QLocale locale;
    std::vector<FoundFile> found;
    for (const FolderFile& file : listing.value) {
        std::string fullPath = folderPath + file.name;
        if (!all && !ExtensionList::Matches(fullPath, row))
            continue;
        if (file.name == "Thumbs.db")
            continue;
        FoundFile entry;
        entry.name = FileSystem::GetFileName(fullPath);
        entry.sizeText = file.size ? SizeText(*file.size, locale) : kUnknownSizeText;
        entry.fullPath = std::move(fullPath);
        found.push_back(std::move(entry));
    }
    const int added = static_cast<int>(found.size());
    if (added > 0) {
        Label2_->setVisible(false);
        files_->AddRows(std::move(found));
    }
    return added;
}

// ---------------------------------------------------------------- list

void Form1::AddFoundFile(const std::string& name, uint64_t size, const std::string& fullPath)
{
    Label2_->setVisible(false);
    std::vector<FoundFile> row(1);
    row[0].name = name;
    row[0].sizeText = FormatSize(size);
    row[0].fullPath = fullPath;
    files_->AddRows(std::move(row));
}

QString Form1::FormatSize(uint64_t size)
{
    return SizeText(size);
}

void Form1::AutoSizeColumns()
{
    ListView1_->AutoSizeColumns();
}

void Form1::CheckAllRows()
{
    files_->CheckAllRows();
}

int Form1::RowCount() const
{
    return files_->Count();
}

const FoundFile& Form1::Row(int row) const
{
    return files_->Row(row);
}

void Form1::addlist()
{
    const QString row = SelectedFilterRow();
    const bool all = row == ExtensionList::kAllRow;
    for (int i = 0; i < files_->Count(); ++i) {
        const FoundFile& file = files_->Row(i);
        if (!file.checked)
            continue;
        if (all || ExtensionList::Matches(file.fullPath, row))
            List1_.push_back(file.fullPath);
    }
}

void Form1::ClearLists()
{
    files_->Clear();
    List1_.clear();
    Text1_->clear();
    chameleonButton2_->SetEnabled(false);
    chameleonButton3_->SetEnabled(false);
    chameleonButton1_->SetEnabled(false);
    XP_ProgressBar1_->SetColor(0xFFFFFF);
    Label2_->setVisible(false);
}

void Form1::ListView1_DblClick()
{
    const QModelIndexList selected = ListView1_->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    int first = selected.front().row();
    for (const QModelIndex& index : selected)
        first = std::min(first, index.row());
    Shell::Instance().OpenWith(files_->Row(first).fullPath);
}

// ---------------------------------------------------------------- adding folders

void Form1::FinishScan()
{
    AutoSizeColumns();
    CheckAllRows();
    if (files_->Count() > 0) {
        chameleonButton1_->SetEnabled(false);
        chameleonButton2_->SetEnabled(true);
        chameleonButton3_->SetEnabled(true);
    }
}

void Form1::ListView1_OLEDragDrop(const QMimeData* data)
{
    FileSystem& fs = FileSystem::Instance();
    if (data && data->hasFormat(kUriList)) {
        for (const std::string& path : LocalPathsFromUriList(data->data(kUriList))) {
            // One separator appended as is: a dropped "/" scans as "//".
            if (fs.FolderExists(path))
                ScanFolder(path + '/');
        }
    }
    FinishScan();
}

void Form1::chameleonButton5_Click()
{
    Module1::BrowseForFolder();
    if (Module1::ChosenFolder.empty())
        return;
    Text1_->setText(QFile::decodeName(Module1::ChosenFolder.c_str()));

    // Scans ChosenFolder's bytes rather than Text1's text, which shows a name
    // that is not valid UTF-8 with replacement characters.
    int added = 0;
    if (FileSystem::Instance().FolderExists(Module1::ChosenFolder))
        added = ScanFolder(TrailingSlash(Module1::ChosenFolder));

    const QString messageA = QStringLiteral(" No File Found.") + QLatin1Char(' ') + QStringLiteral("Please try again.");
    const QString title = QStringLiteral("Error");
    if (files_->Count() == 0) {
        if (Combo1_->currentIndex() == ExtensionList::kAllRowIndex) {
            Shell::Instance().MessageBox(messageA, title, Shell::Icon::Information);
        } else {
            const QString messageB = QStringLiteral(" No") + QLatin1Char(' ') + SelectedFilterRow().toUpper()
                                     + QLatin1Char(' ') + QStringLiteral("Files Found.") + QLatin1Char(' ')
                                     + QStringLiteral("Please try again.");
            Shell::Instance().MessageBox(messageB, title, Shell::Icon::Information);
        }
        Text1_->clear();
        return;
    }
    FinishScan();
    if (added == 0) {
        Shell::Instance().MessageBox(messageA, title, Shell::Icon::Information);
        Text1_->clear();
    }
}

// ---------------------------------------------------------------- zip workflow (empty slots)

void Form1::chameleonButton1_Click()
{
    workflow_->Start();
}

void Form1::chameleonButton3_Click()
{
    workflow_->Output();
}

void Form1::Label3_Click()
{
    workflow_->Help();
}

void Form1::Form_Unload()
{
    workflow_->Unload();
}

void Form1::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

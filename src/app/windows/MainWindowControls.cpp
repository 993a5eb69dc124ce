#include "MainWindowControls.h"

#include "ClickLabel.h"
#include "ExtensionList.h"
#include "FileListView.h"
#include "FoundFilesModel.h"
#include "XP_ProgressBar.h"
#include "chameleonButton.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace {

QFont StoredFont(const QString& family, double points, QFont::Weight weight = QFont::Normal)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

} // namespace

MainWindowControls MainWindowControls::Create(QWidget& window)
{
    window.setObjectName(QStringLiteral("Form1"));
    window.setWindowTitle(QStringLiteral("Volarin Z 1.0"));
    window.setFont(StoredFont(QStringLiteral("MS Sans Serif"), 8.25));
    MainWindowControls ui;
    ui.createListArea(window);
    ui.createRunControls(window);
    ui.createBottomRow(window);
    ui.createHiddenControls(window);
    QWidget::setTabOrder(ui.fileList, ui.extensionList);
    QWidget::setTabOrder(ui.extensionList, ui.startButton);
    QWidget::setTabOrder(ui.startButton, ui.outputButton);
    QWidget::setTabOrder(ui.outputButton, ui.folderField);
    QWidget::setTabOrder(ui.folderField, ui.browseButton);
    QWidget::setTabOrder(ui.browseButton, ui.helpLink);
    QWidget::setTabOrder(ui.helpLink, ui.clearButton);
    return ui;
}

void MainWindowControls::createListArea(QWidget& window)
{
    dropFrame = new QGroupBox(QCoreApplication::translate("MainWindow", "Drag and Drop Folders"), &window);
    dropFrame->setObjectName(QStringLiteral("Frame1"));
    dropFrame->setFont(StoredFont(QStringLiteral("Cambria"), 11.25));

    files = new FoundFilesModel(&window);
    fileList = new FileListView(dropFrame);
    fileList->setObjectName(QStringLiteral("ListView1"));
    fileList->setFont(window.font()); // a frame's font is its caption's only
    fileList->setModel(files);
    fileList->setAccessibleName(QCoreApplication::translate("MainWindow", "Found files"));
    fileList->setAccessibleDescription(QCoreApplication::translate("MainWindow", "Drop folders here to list their files"));

    extensionFrame = new QGroupBox(QCoreApplication::translate("MainWindow", "File Extension"), &window);
    extensionFrame->setObjectName(QStringLiteral("Frame2"));
    extensionFrame->setFont(StoredFont(QStringLiteral("Cambria"), 11.25));

    extensionList = new QComboBox(extensionFrame);
    extensionList->setObjectName(QStringLiteral("Combo1"));
    extensionList->setFont(StoredFont(QStringLiteral("MS Sans Serif"), 9.75));
    extensionList->setEditable(false);
    extensionList->setMaxVisibleItems(16);
    extensionList->setAccessibleName(QCoreApplication::translate("MainWindow", "File Extension"));
}

void MainWindowControls::createRunControls(QWidget& window)
{
    drawnProgressBar = new XP_ProgressBar(&window);
    drawnProgressBar->setObjectName(QStringLiteral("XP_ProgressBar1"));
    drawnProgressBar->setVisible(false);
    drawnProgressBar->setAccessibleName(QCoreApplication::translate("MainWindow", "Zip progress"));

    // The buttons' captions come with their stored settings.
    startButton = new chameleonButton(&window);
    startButton->setObjectName(QStringLiteral("chameleonButton1"));

    outputButton = new chameleonButton(&window);
    outputButton->setObjectName(QStringLiteral("chameleonButton3"));

    percentLabel = new QLabel(&window);
    percentLabel->setObjectName(QStringLiteral("Label2"));
    percentLabel->setFont(StoredFont(QStringLiteral("Arial Black"), 9, QFont::Black));
    percentLabel->setVisible(false);
}

void MainWindowControls::createBottomRow(QWidget& window)
{
    folderField = new QLineEdit(&window);
    folderField->setObjectName(QStringLiteral("Text1"));
    folderField->setFont(StoredFont(QStringLiteral("MS Sans Serif"), 9.75));
    folderField->setAccessibleName(QCoreApplication::translate("MainWindow", "Folder last browsed"));

    browseButton = new chameleonButton(&window);
    browseButton->setObjectName(QStringLiteral("chameleonButton5"));

    clearButton = new chameleonButton(&window);
    clearButton->setObjectName(QStringLiteral("chameleonButton2"));

    helpLink = new ClickLabel(QCoreApplication::translate("MainWindow", "Online Help"), &window);
    helpLink->setObjectName(QStringLiteral("Label3"));
    QPalette linkPalette = helpLink->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(128, 128, 255));
    helpLink->setPalette(linkPalette);
    helpLink->setCursor(Qt::PointingHandCursor);
    helpLink->setFocusPolicy(Qt::TabFocus);
}

void MainWindowControls::createHiddenControls(QWidget& window)
{
    // Below the client area and never visible.
    progressBar = new QProgressBar(&window);
    progressBar->setObjectName(QStringLiteral("prgZip"));
    progressBar->setRange(0, 100);
    progressBar->setVisible(false);
    progressBar->setAccessibleName(QCoreApplication::translate("MainWindow", "Zip progress"));

    // No role; kept hidden so assistive technology does not read "Label1" out.
    auto* unused = new QLabel(QStringLiteral("Label1"), &window);
    unused->setObjectName(QStringLiteral("Label1"));
    unused->setVisible(false);
}

void MainWindowControls::FillExtensionRows()
{
    // The list is kept sorted as rows come in, so the displayed order does not
    // depend on the order of the vocabulary. Each row keeps its own text as
    // its data; only "All (*.*)" is shown in the user's language, in its place.
    for (const QString& row : ExtensionList::Rows()) {
        int at = extensionList->count();
        while (at > 0 && ExtensionList::SortsBefore(row, extensionList->itemData(at - 1).toString()))
            --at;
        //: The row of the extension list that lists files of every kind.
        extensionList->insertItem(at, row == ExtensionList::kAllRow ? QCoreApplication::translate("MainWindow", "All (*.*)") : row, row);
    }
    extensionList->setCurrentIndex(ExtensionList::kInitialIndex);
}

QString MainWindowControls::SelectedExtensionRow() const
{
    const int index = extensionList->currentIndex();
    return index < 0 ? QString() : extensionList->itemData(index).toString();
}

#include "OutputNameDialog.h"

#include "AppAccessibility.h"
#include "ArchiveName.h"
#include "FolderPicker.h"
#include "StoredSettings.h"
#include "Translations.h"
#include "UserMessage.h"
#include "chameleonButton.h"

#include <QCloseEvent>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace fs = std::filesystem;

// While a message box or the folder picker the dialog opened is open, its
// event loop may deliver the dialog's own deferred deleting (Cancel pressed
// through the accessibility bus, or just before it opened): the deleting
// waits until the last of them is shut, as the code that opened it still runs.
class OutputNameDialog::OpenOver {
public:
    explicit OpenOver(OutputNameDialog& dialog) : dialog_(dialog) { ++dialog_.openOver_; }
    ~OpenOver()
    {
        if (--dialog_.openOver_ == 0 && dialog_.deleteWhenShut_)
            dialog_.deleteLater();
    }
    OpenOver(const OpenOver&) = delete;
    OpenOver& operator=(const OpenOver&) = delete;

private:
    OutputNameDialog& dialog_;
};

OutputNameDialog::OutputNameDialog(const QString& extensionRow, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    // Cancel and the window's close box unload the dialog; the next Output
    // loads a fresh one with a new proposal.
    setAttribute(Qt::WA_DeleteOnClose);
    AppAccessibility::Install();
    CreateControls();
    LoadStoredSettings(*this, QStringLiteral(":/forms/Form2.frm"));
    name_->setText(ArchiveName::Propose(extensionRow, QDate::currentDate(), Translations::DateLocale()));
}

void OutputNameDialog::CreateControls()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Output"));

    label_ = new QLabel(tr("File Name:"), this);
    label_->setObjectName(QStringLiteral("Label2"));

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("Text2"));
    name_->installEventFilter(this);
    label_->setBuddy(name_);

    // The buttons' captions come with their stored settings.
    cancel_ = new chameleonButton(this);
    cancel_->setObjectName(QStringLiteral("chameleonButton2"));

    ok_ = new chameleonButton(this);
    ok_->setObjectName(QStringLiteral("chameleonButton1"));

    setTabOrder(name_, cancel_);
    setTabOrder(cancel_, ok_);
    connect(ok_, &chameleonButton::Click, this, &OutputNameDialog::OkClicked);
    connect(cancel_, &chameleonButton::Click, this, &OutputNameDialog::CancelClicked);
}

void OutputNameDialog::ShowDialog()
{
    // The first time over the middle of the main window; after that where
    // the user left it.
    if (!placed_ && parentWidget()) {
        const QRect owner = parentWidget()->window()->frameGeometry();
        move(owner.center() - QPoint(width() / 2, height() / 2));
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    name_->setFocus(Qt::OtherFocusReason);
    name_->selectAll();
}

bool OutputNameDialog::event(QEvent* event)
{
    if (event->type() == QEvent::DeferredDelete && openOver_ > 0) {
        deleteWhenShut_ = true;
        return true;
    }
    return QWidget::event(event);
}

void OutputNameDialog::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (!unloaded_) {
        unloaded_ = true;
        emit Unloaded();
    }
}

bool OutputNameDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Typing replaces the whole name however the field got the focus; a
    // mouse click would move the cursor after the focus event, hence later.
    if (watched == name_ && event->type() == QEvent::FocusIn) {
        QPointer<QLineEdit> field = name_;
        QTimer::singleShot(0, this, [field] {
            if (field)
                field->selectAll();
        });
    }
    return QWidget::eventFilter(watched, event);
}

void OutputNameDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        CancelClicked();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter on the focused Cancel button means Cancel, as on any dialog.
        if (focusWidget() == cancel_)
            CancelClicked();
        else
            OkClicked();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void OutputNameDialog::Refuse(const Failure& failure)
{
    {
        OpenOver box(*this);
        UserMessage::Show(failure);
    }
    // Back to the dialog, with the keyboard focus in the name, whether the
    // dialog was hidden for the picker or the message box took the focus;
    // not when it was closed meanwhile.
    if (!unloaded_)
        ShowDialog();
}

void OutputNameDialog::OkClicked()
{
    const QString name = name_->text();
    // The name becomes a file that may replace another, so it is checked
    // before anything on disk is touched.
    if (const Status usable = ArchiveName::Check(name); !usable) {
        Refuse(usable.failure());
        return;
    }

    // Hidden, not unloaded: the next Output shows the name typed now.
    hide();
    std::string chosen;
    {
        OpenOver picker(*this);
        chosen = FolderPicker::Browse(pickerStart_ ? pickerStart_() : std::string());
    }
    const size_t nul = chosen.find('\0');
    if (nul != std::string::npos)
        chosen.resize(nul);
    if (chosen.empty() || unloaded_)
        return;

    const fs::path archive = fs::path(chosen) / ArchiveName::FileName(name);
    if (!DriveTakes(name, archive.parent_path()) || !MayTakePlace(archive))
        return;
    emit Chosen({name, archive});
}

bool OutputNameDialog::MayTakePlace(const fs::path& archive)
{
    // The finished archive is renamed over what is there: a file or link is
    // replaced, a folder never is. What cannot be seen is left to the run.
    std::error_code error;
    const fs::file_status there = fs::symlink_status(archive, error);
    if (!fs::exists(there))
        return true;
    if (fs::is_directory(there)) {
        Refuse({.kind = FailureKind::ArchiveIsFolder, .path = archive});
        return false;
    }
    bool replace = false;
    {
        OpenOver question(*this);
        replace = UserMessage::Ask({.kind = FailureKind::ArchiveExists, .path = archive});
    }
    if (unloaded_)
        return false;
    if (replace)
        return true;
    ShowDialog();
    return false;
}

bool OutputNameDialog::DriveTakes(const QString& name, const fs::path& folder)
{
    const Status taken = ArchiveName::CheckOnDrive(name, folder);
    if (!taken)
        Refuse(taken.failure());
    return taken.ok();
}

void OutputNameDialog::CancelClicked()
{
    close();
}

#include "Form2.h"
#include "StoredSettings.h"

#include "ArchiveName.h"
#include "Form2Host.h"
#include "StagingArea.h"
#include "chameleonButton.h"

#include <QDate>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace fs = std::filesystem;

Form2::Form2(Form2Host& host, StagingArea& staging, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), host_(host), staging_(staging)
{
    // Cancel and the window's close box unload the dialog; the next Output
    // loads a fresh one with a new proposal.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Output"));
    setFixedSize(330, 83);

    label2_ = new QLabel(QStringLiteral("File Name:"), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setGeometry(8, 16, 65, 25);

    text2_ = new QLineEdit(this);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setGeometry(80, 16, 241, 25);
    text2_->installEventFilter(this);
    label2_->setBuddy(text2_);

    cancel_ = new chameleonButton(this);
    cancel_->setObjectName(QStringLiteral("chameleonButton2"));
    cancel_->SetCaption(QStringLiteral("Cancel"));
    cancel_->setGeometry(104, 48, 89, 25);

    ok_ = new chameleonButton(this);
    ok_->setObjectName(QStringLiteral("chameleonButton1"));
    ok_->SetCaption(QStringLiteral("OK"));
    ok_->setGeometry(232, 48, 89, 25);

    ApplyStoredSettings(*this, QStringLiteral(":/forms/Form2.frm"));

    setTabOrder(text2_, cancel_);
    setTabOrder(cancel_, ok_);

    connect(ok_, &chameleonButton::Click, this, &Form2::OkClick);
    connect(cancel_, &chameleonButton::Click, this, &Form2::CancelClick);

    text2_->setText(ArchiveName::Propose(host_.SelectedExtensionRow(), QDate::currentDate()));
}

void Form2::ShowDialog()
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
    text2_->setFocus(Qt::OtherFocusReason);
    text2_->selectAll();
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    // Typing replaces the whole name however the field got the focus; a
    // mouse click would move the cursor after the focus event, hence later.
    if (watched == text2_ && event->type() == QEvent::FocusIn) {
        QPointer<QLineEdit> field = text2_;
        QTimer::singleShot(0, this, [field] {
            if (field)
                field->selectAll();
        });
    }
    return QWidget::eventFilter(watched, event);
}

void Form2::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        CancelClick();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter on the focused Cancel button means Cancel, as on any dialog.
        if (focusWidget() == cancel_)
            CancelClick();
        else
            OkClick();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Form2::refuse(const QString& text)
{
    host_.ShowNameError(text);
    // Back to the dialog, with the keyboard focus in the name, whether the
    // dialog was hidden for the picker or the message box took the focus.
    ShowDialog();
}

void Form2::OkClick()
{
    const QString name = text2_->text();
    // The name becomes a folder that may be deleted and a file that may be
    // replaced, so it is checked before anything on disk is touched.
    if (std::optional<QString> problem = ArchiveName::Check(name)) {
        refuse(*problem);
        return;
    }
    const std::string bytes = ArchiveName::ToBytes(name);
    const fs::path folder = staging_.FolderFor(bytes);
    if (host_.StagingInUse(folder)) {
        refuse(QStringLiteral("\"%1\" is being zipped right now. Please wait until the run is over or choose "
                              "another name.")
                   .arg(name));
        return;
    }
    if (staging_.InUseElsewhere(folder)) {
        refuse(QStringLiteral("\"%1\" is being used by another Volarin Z window. Please choose another name.")
                   .arg(name));
        return;
    }
    std::error_code ec;
    if (fs::symlink_status(folder, ec).type() != fs::file_type::not_found && !staging_.IsOurs(folder)) {
        refuse(QStringLiteral("A folder \"%1\" already exists in \"%2\" and was not made by Volarin Z. Please "
                              "choose another name.")
                   .arg(name, QFile::decodeName(QByteArray::fromStdString(staging_.Root().native()))));
        return;
    }

    // Hidden, not unloaded: the next Output shows the name typed now.
    hide();
    std::string chosen = host_.BrowseForFolder();
    const size_t nul = chosen.find('\0');
    if (nul != std::string::npos)
        chosen.resize(nul);
    if (chosen.empty())
        return;

    const StagingOutcome prepared = staging_.Prepare(bytes);
    if (!prepared.ok) {
        refuse(prepared.message);
        return;
    }
    const fs::path outputBase = fs::path(chosen) / bytes;
    host_.OutputChosen(folder, outputBase);
}

void Form2::CancelClick()
{
    close();
}

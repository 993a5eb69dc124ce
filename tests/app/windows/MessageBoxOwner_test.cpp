// A message box and the window it was asked from, as a screen reader's queued
// actions drive them within one turn of the event loop: Output, a refused
// name, the message closed and Cancel pressed while its loop still runs, then
// Output and a refused name again, told in the desktop's real message box.
// The closed dialog must never be the one shown again, nor go away under the
// open box.
#include "AppFixture.h"
#include "OutputNameDialog.h"
#include "QtShell.h"
#include "chameleonButton.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

class MessageBoxOwnerTest : public AppTest {
protected:
    MessageBoxOwnerTest() : previousShell_(Shell::SetInstance(&desktop_)) {}
    ~MessageBoxOwnerTest() override { Shell::SetInstance(previousShell_); }

    static void Press(chameleonButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Output, then OK with `name` typed; returns the dialog OK was pressed in.
    OutputNameDialog* Refuse(const QString& name)
    {
        Press(form->outputButton());
        OutputNameDialog* dialog = form->outputDialog();
        dialog->nameField()->setText(name);
        Press(dialog->okButton());
        return dialog;
    }

    QtShell desktop_;
    Shell* previousShell_;
};

}  // namespace

TEST_F(MessageBoxOwnerTest, ClosedOutputDialogIsNeverShownAgainNorDeletedUnderABox)
{
    form->AddFolders({Folder("pictures", {"a.jpg"})});
    WaitForListing();
    const struct {
        QString name;
        QString words;
    } cases[] = {
        {QString(), QStringLiteral("Please type a name for the archive.")},
        {QStringLiteral("   "), QStringLiteral("Please type a name for the archive.")},
        {QStringLiteral("."), QStringLiteral("\".\" cannot be used as a file name. Please choose another name.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        // Each box is closed as soon as it is open, its words noted; inside
        // the first one's loop the dialog's Cancel is pressed too.
        std::vector<QString> told;
        QPointer<OutputNameDialog> closed;
        QTimer closer;
        closer.setInterval(0);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            told.push_back(box->text());
            box->done(QMessageBox::Ok);
            if (told.size() == 1 && form->outputDialog())
                Press(form->outputDialog()->cancelButton());
        });
        closer.start();
        QPointer<OutputNameDialog> reopened;
        bool survivedTheBox = false;
        bool done = false;
        QTimer::singleShot(0, form.get(), [&] {
            closed = Refuse(c.name);
            reopened = Refuse(c.name);
            survivedTheBox = !reopened.isNull();
            done = true;
        });
        while (!done)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        closer.stop();
        EXPECT_EQ(told, (std::vector<QString>{c.words, c.words}));
        ASSERT_TRUE(survivedTheBox);
        ASSERT_TRUE(reopened);
        EXPECT_NE(reopened.data(), closed.data()) << "the closed dialog was shown again";
        EXPECT_TRUE(reopened->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(closed);
        Press(reopened->cancelButton());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

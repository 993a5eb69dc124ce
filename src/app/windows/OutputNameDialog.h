#pragma once
// "Form2" in the stored form data.
// The "Output" dialog: asks for the archive's name (proposing one from the
// extension and today's date), then for the folder to write it to, refuses
// a name that folder's drive does not take, and asks before an existing file
// of the archive's name is replaced.
#include "OutputChoice.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class chameleonButton;
struct Failure;

class OutputNameDialog : public QWidget {
    Q_OBJECT
public:
    // Loads the dialog: the proposal is computed here, once per load.
    explicit OutputNameDialog(const QString& extensionRow, QWidget* parent = nullptr);

    QLineEdit* nameField() const { return name_; }
    chameleonButton* okButton() const { return ok_; }
    chameleonButton* cancelButton() const { return cancel_; }

    // Shows the dialog with the name field focused and its text selected.
    void ShowDialog();

    // Where the folder picker opens: asked each time it is shown, as the
    // folder last browsed may change while the dialog waits.
    void SetPickerStart(std::function<std::string()> lastBrowsed) { pickerStart_ = std::move(lastBrowsed); }

signals:
    // The name was confirmed and a folder chosen; the dialog is hidden, not closed.
    void Chosen(const OutputChoice& choice);
    // Cancel or the close box: the dialog is never shown again and goes as
    // soon as no message box or picker it opened is open any more.
    void Unloaded();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class OpenOver;

    void CreateControls();
    void OkClicked();
    void CancelClicked();
    void Refuse(const Failure& failure);
    bool MayTakePlace(const std::filesystem::path& archive);
    bool DriveTakes(const QString& name, const std::filesystem::path& folder);

    QLabel* label_ = nullptr;
    QLineEdit* name_ = nullptr;
    chameleonButton* cancel_ = nullptr;
    chameleonButton* ok_ = nullptr;
    bool placed_ = false;
    bool unloaded_ = false;
    int openOver_ = 0;            // message boxes and pickers open over the dialog
    bool deleteWhenShut_ = false;  // its deleting waits for them
    std::function<std::string()> pickerStart_;
};

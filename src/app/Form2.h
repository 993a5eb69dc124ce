#pragma once
// The "Output" dialog: asks for the archive's name (proposing one from the
// extension and today's date), then for the folder to write it to, and
// prepares the staging folder of that name.
#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class chameleonButton;
class Form2Host;
class StagingArea;

class Form2 : public QWidget {
    Q_OBJECT
public:
    // Loads the dialog: the proposal is computed here, once per load.
    Form2(Form2Host& host, StagingArea& staging, QWidget* parent = nullptr);

    QLabel* Label2() const { return label2_; }
    QLineEdit* Text2() const { return text2_; }
    chameleonButton* chameleonButton1() const { return ok_; }      // "OK"
    chameleonButton* chameleonButton2() const { return cancel_; }  // "Cancel"

    // Shows the dialog with the name field focused and its text selected.
    void ShowDialog();

public slots:
    void OkClick();
    void CancelClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refuse(const QString& text);

    Form2Host& host_;
    StagingArea& staging_;
    QLabel* label2_;
    QLineEdit* text2_;
    chameleonButton* cancel_;
    chameleonButton* ok_;
    bool placed_ = false;
};

// Shows Form1 with the files of one folder listed (argv[1]) so the
// accessibility tree of a filled list can be read with tools/a11y-tree.
#include "Form1.h"
#include "Module3.h"

#include <QApplication>
#include <QComboBox>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Module3::SetUpNames();
    Module3::SetUpFonts();
    Form1 form;
    form.Combo1()->setCurrentIndex(form.Combo1()->findText(QStringLiteral("All (*.*)")));
    if (argc > 1)
        form.ScanFolder(Form1::TrailingSlash(argv[1]));
    form.FinishScan();
    form.show();
    return app.exec();
}

// Shows the main window with the files of one folder listed (argv[1]) so the
// accessibility tree of a filled list can be read with tools/a11y-tree.
#include "MainWindow.h"
#include "Startup.h"
#include "ZipRunService.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Startup::SetUpNames();
    Startup::SetUpFonts();
    Startup::SetUpAccessibility();
    ZipRunService run(StagingArea::DefaultRoot());
    MainWindow window(run);
    window.extensionList()->setCurrentIndex(window.extensionList()->findText(QStringLiteral("All (*.*)")));
    if (argc > 1)
        window.ScanFolder(MainWindow::TrailingSlash(argv[1]));
    window.FinishScan();
    window.show();
    return app.exec();
}

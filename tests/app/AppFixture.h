#pragma once
// A real main window and its zip run service with the platform edge replaced:
// the real file system with its program folder inside a temporary folder, a
// staging root there too, and a FakeShell for the picker, message boxes and
// "open with".
#include "FakeShell.h"
#include "FileListView.h"
#include "FileSystem.h"
#include "FoundFilesModel.h"
#include "LinuxFileSystem.h"
#include "MainWindow.h"
#include "TempDir.h"
#include "ZipRunService.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <gtest/gtest.h>
#include <memory>

class AppTest : public ::testing::Test {
protected:
    AppTest()
        : fileSystem_(std::make_unique<LinuxFileSystem>((temp.path() / "program").string())),
          previousFileSystem_(FileSystem::SetInstance(fileSystem_.get())),
          run(std::make_unique<ZipRunService>(stagingRoot))
    {
        form = std::make_unique<MainWindow>(*run);
    }
    ~AppTest() override
    {
        form.reset();
        run.reset();
        FileSystem::SetInstance(previousFileSystem_);
    }

    void Select(const QString& row)
    {
        const int index = form->extensionList()->findText(row);
        ASSERT_GE(index, 0) << row.toStdString();
        form->extensionList()->setCurrentIndex(index);
    }

    // A folder of empty files (and sub-folders for names ending in "/").
    std::string Folder(const std::string& name, const std::vector<std::string>& entries)
    {
        const auto folder = temp.path() / name;
        std::filesystem::create_directories(folder);
        for (const std::string& entry : entries) {
            if (!entry.empty() && entry.back() == '/')
                std::filesystem::create_directories(folder / entry);
            else
                temp.write(name + "/" + entry, "x");
        }
        return folder.string();
    }

    // Folders are listed off the window's thread: the event loop turns until
    // their rows are in and the drop or Browse has ended.
    void WaitForListing()
    {
        QElapsedTimer clock;
        clock.start();
        while (form->Listing() && clock.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        ASSERT_FALSE(form->Listing()) << "the listing did not end";
    }

    // The list's rows as the view shows them (0 = top).
    FoundFilesModel* Files() const { return qobject_cast<FoundFilesModel*>(form->fileList()->model()); }
    int RowCount() const { return Files()->Count(); }
    const FoundFile& Row(int row) const { return Files()->Row(row); }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (int i = 0; i < RowCount(); ++i)
            names.emplace_back(Row(i).name());
        return names;
    }

    TempDir temp;
    FakeShell shell;
    std::filesystem::path stagingRoot = temp.path() / "cache" / "staging";
    std::unique_ptr<LinuxFileSystem> fileSystem_;
    FileSystem* previousFileSystem_;
    std::unique_ptr<ZipRunService> run;
    std::unique_ptr<MainWindow> form;
};

#pragma once
// A real Form1 with the platform edge replaced: the real file system with its
// program folder inside a temporary folder, and a FakeShell for the picker,
// message boxes and "open with".
#include "FakeShell.h"
#include "FileSystem.h"
#include "Form1.h"
#include "FoundFilesModel.h"
#include "LinuxFileSystem.h"
#include "TempDir.h"

#include <QComboBox>
#include <QLabel>
#include <gtest/gtest.h>
#include <memory>

class AppTest : public ::testing::Test {
protected:
    AppTest()
        : fileSystem_(std::make_unique<LinuxFileSystem>((temp.path() / "program").string())),
          previousFileSystem_(FileSystem::SetInstance(fileSystem_.get()))
    {
        form = std::make_unique<Form1>();
    }
    ~AppTest() override
    {
        form.reset();
        FileSystem::SetInstance(previousFileSystem_);
    }

    void Select(const QString& row)
    {
        const int index = form->Combo1()->findText(row);
        ASSERT_GE(index, 0) << row.toStdString();
        form->Combo1()->setCurrentIndex(index);
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

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (int i = 0; i < form->RowCount(); ++i)
            names.push_back(form->Row(i).name);
        return names;
    }

    TempDir temp;
    FakeShell shell;
    std::unique_ptr<LinuxFileSystem> fileSystem_;
    FileSystem* previousFileSystem_;
    std::unique_ptr<Form1> form;
};

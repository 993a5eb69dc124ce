#pragma once
// The desktop's part in a bench run: the folder picker answers with the
// bench's output folder, and every message box the program would show is
// printed to stderr and counted instead of waiting for a click; a question
// is printed and answered with its go-ahead button, as the bench re-runs into
// its own folder.
#include "Shell.h"

#include <filesystem>

class BenchShell : public Shell {
public:
    explicit BenchShell(std::filesystem::path pickedFolder);
    ~BenchShell() override;
    BenchShell(const BenchShell&) = delete;
    BenchShell& operator=(const BenchShell&) = delete;

    int messagesShown() const { return messagesShown_; }

    std::string BrowseForFolder(const QString& title, const std::string& initialFolder) override;
    void MessageBox(const QString& text, const QString& title, Icon icon) override;
    bool Ask(const QString& text, const QString& title, const QString& acceptText) override;
    void OpenWith(const std::string& file) override;
    void OpenUrl(const QString& url) override;

private:
    std::filesystem::path pickedFolder_;
    Shell* previous_ = nullptr;
    int messagesShown_ = 0;
};

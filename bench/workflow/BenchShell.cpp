#include "BenchShell.h"

#include <cstdio>

BenchShell::BenchShell(std::filesystem::path pickedFolder)
    : pickedFolder_(std::move(pickedFolder)), previous_(Shell::SetInstance(this))
{
}

BenchShell::~BenchShell()
{
    Shell::SetInstance(previous_);
}

std::string BenchShell::BrowseForFolder(const QString&, const std::string&)
{
    return pickedFolder_.string();
}

void BenchShell::MessageBox(const QString& text, const QString& title, Icon)
{
    ++messagesShown_;
    std::fprintf(stderr, "message box \"%s\": %s\n", qPrintable(title), qPrintable(text));
}

bool BenchShell::Ask(const QString& text, const QString& title, const QString& acceptText)
{
    std::fprintf(stderr, "question \"%s\": %s [%s]\n", qPrintable(title), qPrintable(text), qPrintable(acceptText));
    return true;
}

void BenchShell::OpenWith(const std::string&) {}

void BenchShell::OpenUrl(const QString&) {}

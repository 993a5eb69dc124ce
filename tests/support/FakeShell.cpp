#include "FakeShell.h"

FakeShell::FakeShell() : previous_(Shell::SetInstance(this)) {}

FakeShell::~FakeShell()
{
    Shell::SetInstance(previous_);
}

std::string FakeShell::BrowseForFolder(const QString& title, const std::string& initialFolder)
{
    browseCalls.push_back({title, initialFolder});
    if (folderAnswers.empty())
        return {};
    std::string answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
}

void FakeShell::MessageBox(const QString& text, const QString& title, Icon icon)
{
    messages.push_back({text, title, icon});
    if (whileMessageShown)
        whileMessageShown();
}

bool FakeShell::Ask(const QString& text, const QString& title, const QString& acceptText)
{
    questions.push_back({text, title, acceptText});
    if (askAnswers.empty())
        return false;
    const bool answer = askAnswers.front();
    askAnswers.pop_front();
    return answer;
}

void FakeShell::OpenWith(const std::string& file)
{
    openedWith.push_back(file);
}

void FakeShell::OpenUrl(const QString& url)
{
    openedUrls.push_back(url);
}

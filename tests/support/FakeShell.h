#pragma once
// A Shell for tests: answers the folder picker and the questions from queues
// and records every request. It puts itself in place of the program's shell while it lives.
#include "Shell.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class FakeShell : public Shell {
public:
    struct BrowseCall {
        QString title;
        std::string initialFolder;
    };
    struct Message {
        QString text;
        QString title;
        Icon icon;
    };
    struct Question {
        QString text;
        QString title;
        QString acceptText;
    };

    FakeShell();
    ~FakeShell() override;
    FakeShell(const FakeShell&) = delete;
    FakeShell& operator=(const FakeShell&) = delete;

    // Answers for the coming picker calls, in order; "" stands for Cancel, and
    // so does an empty queue.
    std::deque<std::string> folderAnswers;

    // Answers for the coming questions, in order; an empty queue answers
    // Cancel, as a question box's default does.
    std::deque<bool> askAnswers;

    // Runs while a message box would be open (a test may take the focus away, as one does).
    std::function<void()> whileMessageShown;

    std::vector<BrowseCall> browseCalls;
    std::vector<Message> messages;
    std::vector<Question> questions;
    std::vector<std::string> openedWith;
    std::vector<QString> openedUrls;

    std::string BrowseForFolder(const QString& title, const std::string& initialFolder) override;
    void MessageBox(const QString& text, const QString& title, Icon icon) override;
    bool Ask(const QString& text, const QString& title, const QString& acceptText) override;
    void OpenWith(const std::string& file) override;
    void OpenUrl(const QString& url) override;

private:
    Shell* previous_;
};

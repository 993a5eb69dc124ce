#pragma once
// The words, title and icon of the message box that tells the user about a failure.
#include "Failure.h"
#include "Shell.h"

#include <QCoreApplication>
#include <QString>

// Its words are translated in the context "UserMessage".
struct UserMessage {
    Q_DECLARE_TR_FUNCTIONS(UserMessage)

public:
    QString text;
    QString title;
    Shell::Icon icon = Shell::Icon::Warning;
    QString acceptText{};  // a question's go-ahead button; empty for a plain message

    // The one place where a failure becomes words.
    static UserMessage For(const Failure& failure);
    // Shows For(failure) in a message box; returns when it is closed.
    static void Show(const Failure& failure);
    // Asks For(failure) as a question; true when the user chose to go ahead.
    static bool Ask(const Failure& failure);
};

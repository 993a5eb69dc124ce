#pragma once
// The words, title and icon of the message box that tells the user about a failure.
#include "Failure.h"
#include "Shell.h"

#include <QString>

struct UserMessage {
    QString text;
    QString title;
    Shell::Icon icon = Shell::Icon::Warning;

    // The one place where a failure becomes words.
    static UserMessage For(const Failure& failure);
    // Shows For(failure) in a message box; returns when it is closed.
    static void Show(const Failure& failure);
};

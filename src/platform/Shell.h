#pragma once
// What the windows ask of the desktop: a folder picker, a message box, a
// question before something is replaced, the "open with" choice for a file and opening a web address. One interface so
// tests can answer in the desktop's place; the start-up code sets the real one.
#include <QString>
#include <string>

class Shell {
public:
    enum class Icon { Information, Warning, Critical };

    virtual ~Shell() = default;

    // Shows the folder picker with the given title, starting in initialFolder
    // (bytes). Returns the chosen folder's full path, or "" when cancelled.
    // Blocks until the picker closes.
    virtual std::string BrowseForFolder(const QString& title, const std::string& initialFolder) = 0;

    // A message box with one OK button; blocks until it is closed.
    virtual void MessageBox(const QString& text, const QString& title, Icon icon) = 0;

    // A question box with two buttons: acceptText, which goes ahead, and
    // Cancel, the default, so Enter or Escape never destroys anything. Blocks
    // until it is closed; true only when acceptText was chosen.
    virtual bool Ask(const QString& text, const QString& title, const QString& acceptText) = 0;

    // Lets the user choose an application for the file. Returns at once;
    // failures are not reported.
    virtual void OpenWith(const std::string& file) = 0;

    // Opens the address in the user's web browser; failures are not reported.
    virtual void OpenUrl(const QString& url) = 0;

    // The shell the program uses. SetInstance does not take ownership and
    // returns the previous one; nullptr restores the desktop's shell.
    // (Defined beside QtShell, the default.)
    static Shell& Instance();
    static Shell* SetInstance(Shell* shell);
};

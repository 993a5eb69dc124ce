#pragma once
// Shell on the Linux desktop: Qt's folder dialog (the XDG portal's where the
// desktop offers one), QMessageBox for messages and questions, the desktop portal's OpenURI.OpenFile for
// "open with" (falling back to xdg-open), QDesktopServices for addresses.
#include "Shell.h"

#include <vector>

class QtShell : public Shell {
public:
    // opener: the program started with the file as its one argument when no
    // portal answers (tests give a script of their own).
    explicit QtShell(std::string opener = "xdg-open");

    std::string BrowseForFolder(const QString& title, const std::string& initialFolder) override;
    void MessageBox(const QString& text, const QString& title, Icon icon) override;
    bool Ask(const QString& text, const QString& title, const QString& acceptText) override;
    void OpenWith(const std::string& file) override;
    void OpenUrl(const QString& url) override;

    // Starts argv (raw bytes, no shell) detached from this process, so it is
    // never left as a zombie. False when the first fork fails.
    static bool SpawnDetached(const std::vector<std::string>& argv);

private:
    void OpenWithPortal(const std::string& file);
    void OpenWithFallback(const std::string& file);

    std::string opener_;
};

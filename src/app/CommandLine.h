#pragma once
// The program's command line, `volarin-z [OPTION]... [FOLDER]...`: read
// before the application object exists, so that --help and --version need no
// display. The folders are handed to the main window as a drop of them.
#include <QCoreApplication>

#include <iosfwd>
#include <string>
#include <vector>

class MainWindow;

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action { OpenWindow, ShowHelp, ShowVersion, Refuse };

    // arguments: argv after the program's name, as the bytes given; relative
    // paths are taken from currentFolder.
    static CommandLine Parse(std::vector<std::string> arguments, const std::string& currentFolder);

    Action action() const { return action_; }
    // Qt's own options found among the arguments (a session manager restarts
    // a program with "-session ID"), for the application object to take.
    const std::vector<std::string>& qtArguments() const { return qtArguments_; }
    // For every action but OpenWindow: prints the help, the version, or what
    // was wrong with the usage, in the language of the translators installed;
    // returns the exit status.
    int Answer(std::ostream& out, std::ostream& err) const;
    // Scans the folders named, in order, as a drop of them would (folders
    // that cannot be read are also told in a message, as after a drop), and
    // names on err each path not taken with the reason, once they are listed
    // (err must outlive the listing).
    void OpenFolders(MainWindow& window, std::ostream& err) const;

private:
    static std::string Usage();

    Action action_ = Action::OpenWindow;
    std::vector<std::string> folders_;    // absolute paths, as bytes
    std::vector<std::string> notLocal_;   // file: URIs that name no local file
    std::vector<std::string> unknownOptions_;  // as typed, why the usage was refused
    std::string parserError_;                  // any other reason, in the parser's words
    std::vector<std::string> qtArguments_;
};

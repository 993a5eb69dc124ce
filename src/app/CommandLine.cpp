#include "CommandLine.h"

#include "FileSystem.h"
#include "HelpPage.h"
#include "Translations.h"
#include "MainWindow.h"
#include "UriList.h"
#include "UserMessage.h"

#include <QCommandLineParser>
#include <QFile>

#include <ostream>
#include <string_view>

namespace {

constexpr const char* kProgram = "volarin-z";

bool IsFileUri(const std::string& argument)
{
    return argument.size() >= 5 && QByteArray::fromStdString(argument.substr(0, 5)).toLower() == "file:";
}

// An absolute path without "." components, repeated or trailing separators,
// as a file manager would hand the folder over; ".." is kept, since it
// follows links on disk.
std::string FolderPath(const std::string& given, const std::string& currentFolder)
{
    if (given.empty())
        return given;  // names no folder, not the current one
    const std::string full = given.front() == '/' || currentFolder.empty() ? given : currentFolder + '/' + given;
    std::string path;
    size_t start = 0;
    while (start <= full.size()) {
        size_t end = full.find('/', start);
        if (end == std::string::npos)
            end = full.size();
        const std::string_view part(full.data() + start, end - start);
        if (!part.empty() && part != ".") {
            if (!path.empty() || full.front() == '/')
                path += '/';
            path += part;
        }
        start = end + 1;
    }
    return path.empty() && full.front() == '/' ? std::string("/") : path;
}

// Each argument as one character per byte, so the parser sees the options
// (plain ASCII) as they are and every other byte comes back unchanged.
QString AsLatin1(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string Bytes(const QString& latin1)
{
    return latin1.toLatin1().toStdString();
}

// The unknown option as the user typed it, with one dash or two.
std::string AsTyped(const std::string& name, const std::vector<std::string>& arguments)
{
    const std::string twoDashes = "--" + name;
    for (const std::string& argument : arguments)
        if (argument == twoDashes || argument.rfind(twoDashes + '=', 0) == 0)
            return twoDashes;
    return '-' + name;
}

// Options the desktop may hand any Qt program; they are Qt's to take, not
// unknown options of ours.
struct QtOption {
    std::string_view name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"session", true},        {"platform", true},     {"display", true},     {"style", true},
    {"stylesheet", true},     {"name", true},         {"title", true},       {"qwindowgeometry", true},
    {"qwindowtitle", true},   {"qwindowicon", true},  {"reverse", false},    {"nograb", false},
    {"dograb", false},        {"sync", false},
};

const QtOption* FindQtOption(const std::string& argument)
{
    std::string_view name(argument);
    if (name.rfind("--", 0) == 0)
        name.remove_prefix(2);
    else if (name.rfind('-', 0) == 0)
        name.remove_prefix(1);
    else
        return nullptr;
    for (const QtOption& option : kQtOptions)
        if (option.name == name)
            return &option;
    return nullptr;
}

// Moves Qt's own options (with their values) out of `arguments`, up to "--".
std::vector<std::string> TakeQtOptions(std::vector<std::string>& arguments)
{
    std::vector<std::string> taken, kept;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--") {
            kept.insert(kept.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.end());
            break;
        }
        const QtOption* option = FindQtOption(arguments[i]);
        if (option == nullptr || (option->takesValue && i + 1 >= arguments.size())) {
            kept.push_back(arguments[i]);
            continue;
        }
        taken.push_back(arguments[i]);
        if (option->takesValue)
            taken.push_back(arguments[++i]);
    }
    arguments = std::move(kept);
    return taken;
}

void Report(std::ostream& err, const Failure& failure)
{
    err << kProgram << ": " << UserMessage::For(failure).text.toLocal8Bit().toStdString() << '\n';
}

} // namespace

CommandLine CommandLine::Parse(std::vector<std::string> arguments, const std::string& currentFolder)
{
    std::vector<std::string> qtArguments = TakeQtOptions(arguments);
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    // "-platform" is one unknown option, not eight letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QStringList all{QString::fromLatin1(kProgram)};
    for (const std::string& argument : arguments)
        all << AsLatin1(argument);

    CommandLine line;
    line.qtArguments_ = std::move(qtArguments);
    if (!parser.parse(all)) {
        line.action_ = Action::Refuse;
        for (const QString& name : parser.unknownOptionNames())
            line.unknownOptions_.push_back(AsTyped(Bytes(name), arguments));
        if (line.unknownOptions_.empty())
            line.parserError_ = parser.errorText().toLocal8Bit().toStdString();
        return line;
    }
    if (parser.isSet(help)) {
        line.action_ = Action::ShowHelp;
        return line;
    }
    if (parser.isSet(version)) {
        line.action_ = Action::ShowVersion;
        return line;
    }
    for (const QString& positional : parser.positionalArguments()) {
        const std::string given = Bytes(positional);
        if (!IsFileUri(given)) {
            line.folders_.push_back(FolderPath(given, currentFolder));
        } else if (std::string path = LocalPathFromUri(given); !path.empty()) {
            line.folders_.push_back(std::move(path));
        } else {
            line.notLocal_.push_back(given);
        }
    }
    return line;
}

std::string CommandLine::Usage()
{
    const QString programFolder = QFile::decodeName(FileSystem::Instance().ProgramFolder().c_str());
    const QString page = HelpPage::Find(programFolder, Translations::Language());
    const QString where = page.isEmpty()
        //: Said of the help page in --help; %1 is where it was looked for.
        ? tr("not installed (looked for %1)").arg(HelpPage::Candidates(programFolder).value(0))
        : page;
    //: The answer to --help, printed in a terminal: keep lines within 80 columns.
    //: %1 is the program (volarin-z), %2 the help page or why there is none.
    return tr("Usage: %1 [OPTION]... [FOLDER]...\n"
              "Zip chosen files into one ZIP archive.\n"
              "\n"
              "Opens the window and lists the files of the selected kind (jpg at first) lying\n"
              "directly in each FOLDER, in the order given, as a drop of the folders on the\n"
              "window would. A FOLDER is a path (a relative one is taken from the current\n"
              "folder) or a file:// URI; each one that is not a folder is named on standard\n"
              "error.\n"
              "\n"
              "Options:\n"
              "  -h, --help     show this help and exit\n"
              "  -v, --version  show the version and exit\n"
              "Qt's own options (-platform, -style, -session, ...) are passed on to Qt.\n"
              "\n"
              "Help page: %2\n")
        .arg(QString::fromLatin1(kProgram), where)
        .toLocal8Bit()
        .toStdString();
}

int CommandLine::Answer(std::ostream& out, std::ostream& err) const
{
    switch (action_) {
    case Action::ShowHelp:
        out << Usage() << std::flush;
        return 0;
    case Action::ShowVersion:
        out << "Volarin Z " << VOLARIN_VERSION << '\n' << std::flush;
        return 0;
    case Action::Refuse:
        for (const std::string& option : unknownOptions_) {
            // The option's own bytes go in, whether or not they are text in this locale.
            std::string line = tr("unknown option '%1'").toLocal8Bit().toStdString();
            if (const size_t at = line.find("%1"); at != std::string::npos)
                line.replace(at, 2, option);
            err << kProgram << ": " << line << '\n';
        }
        if (!parserError_.empty())
            err << kProgram << ": " << parserError_ << '\n';
        err << Usage() << std::flush;
        return 2;
    case Action::OpenWindow:
        break;
    }
    return 0;
}

void CommandLine::OpenFolders(MainWindow& window, std::ostream& err) const
{
    if (folders_.empty() && notLocal_.empty())
        return;  // nothing named: no drop, so the window stays as it started
    for (const std::string& uri : notLocal_)
        Report(err, {.kind = FailureKind::NotAFolder, .path = uri});
    err.flush();
    // The folders are listed off the window's thread; what was not taken is
    // named once they are.
    window.AddFolders(folders_, [&err](const std::vector<Failure>& notTaken) {
        for (const Failure& failure : notTaken)
            Report(err, failure);
        err.flush();
    });
}

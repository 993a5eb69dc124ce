// The command line as a user types it or a file manager passes it: options
// answered without a window, folders listed in the real window as a drop.
#include "AppFixture.h"
#include "CommandLine.h"
#include "Unprivileged.h"
#include "chameleonButton.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <sstream>

namespace fs = std::filesystem;

namespace {

class CommandLineTest : public AppTest {
protected:
    struct Answered {
        int status;
        std::string out;
        std::string err;
    };

    Answered Answer(const std::vector<std::string>& arguments)
    {
        const CommandLine line = CommandLine::Parse(arguments, temp.path().string());
        EXPECT_NE(line.action(), CommandLine::Action::OpenWindow);
        std::ostringstream out, err;
        const int status = line.Answer(out, err);
        return {status, out.str(), err.str()};
    }

    // The lines written to standard error.
    // Once the folders are listed; quiet: nothing may be told before the call returns.
    std::vector<std::string> Open(const std::vector<std::string>& arguments, bool quiet = false)
    {
        const CommandLine line = CommandLine::Parse(arguments, temp.path().string());
        EXPECT_EQ(line.action(), CommandLine::Action::OpenWindow);
        std::ostringstream err;
        line.OpenFolders(*form, err);
        if (quiet) {
            EXPECT_TRUE(shell.messages.empty());
        }
        WaitForListing();
        std::vector<std::string> lines;
        std::istringstream in(err.str());
        for (std::string l; std::getline(in, l);)
            lines.push_back(l);
        return lines;
    }
};

TEST_F(CommandLineTest, HelpAndVersionGoToStandardOutput)
{
    const fs::path page = temp.write("program/help/index.html", "<html></html>");
    for (const char* option : {"--help", "-h"}) {
        const Answered help = Answer({option});
        EXPECT_EQ(help.status, 0) << option;
        EXPECT_TRUE(help.err.empty()) << option;
        EXPECT_EQ(help.out.rfind("Usage: volarin-z [OPTION]... [FOLDER]...\n", 0), 0u) << help.out;
        EXPECT_NE(help.out.find("--version"), std::string::npos);
        EXPECT_NE(help.out.find("Help page: " + page.string() + "\n"), std::string::npos) << help.out;
    }
    // Help wins over folders and the version.
    EXPECT_EQ(Answer({"/tmp", "-v", "--help"}).out, Answer({"--help"}).out);
    for (const char* option : {"--version", "-v"}) {
        const Answered version = Answer({option});
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.out, "Volarin Z 1.0\n");
        EXPECT_TRUE(version.err.empty());
    }
    fs::remove(page);
    EXPECT_NE(Answer({"-h"}).out.find("Help page: not installed (looked for "), std::string::npos);
}

TEST_F(CommandLineTest, WrongOptionsAreNamedWithTheUsageAndStatusTwo)
{
    const std::string usage = Answer({"--help"}).out;
    const Answered unknown = Answer({"/tmp", "--frobnicate"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.out.empty());
    EXPECT_EQ(unknown.err, "volarin-z: unknown option '--frobnicate'\n" + usage);
    // Named as typed; a name that is not UTF-8 keeps its bytes.
    EXPECT_EQ(Answer({"-platfrom", "xcb"}).err.rfind("volarin-z: unknown option '-platfrom'\nUsage: ", 0), 0u);
    EXPECT_EQ(Answer({"--caf\xe9"}).err.rfind("volarin-z: unknown option '--caf\xe9'\nUsage: ", 0), 0u);
    const Answered valued = Answer({"--help=all"});
    EXPECT_EQ(valued.status, 2);
    EXPECT_NE(valued.err.find("--help"), std::string::npos) << valued.err;
}

// A session manager restores a program with "-session ID"; Qt's own options
// go to Qt and never count as folders.
TEST_F(CommandLineTest, QtOwnOptionsArePassedToQt)
{
    const std::string folder = Folder("folder", {"a.jpg"});
    const CommandLine line = CommandLine::Parse(
        {"-session", "1234abcd", folder, "--platform", "xcb", "-reverse", "--", "-reverse", "-session"},
        temp.path().string());
    ASSERT_EQ(line.action(), CommandLine::Action::OpenWindow);
    EXPECT_EQ(line.qtArguments(),
              (std::vector<std::string>{"-session", "1234abcd", "--platform", "xcb", "-reverse"}));
    std::ostringstream err;
    line.OpenFolders(*form, err);
    WaitForListing();
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.jpg"}));
    // After "--" each is a name (with or without a value of its own), and no such folder exists.
    EXPECT_NE(err.str().find("/-reverse\" is not a folder"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("/-session\" is not a folder"), std::string::npos) << err.str();
    // Without its value the option is not Qt's to take.
    EXPECT_EQ(Answer({"-session"}).status, 2);
}

TEST_F(CommandLineTest, FoldersAreListedAsADropOfThemInOrder)
{
    const std::string spaced = Folder("my photos", {"s1.jpg", "s2.jpg", "notes.txt"});
    const std::string latin1 = Folder("f\xeate", {"b.jpg"});  // not UTF-8
    Folder("here", {"h.jpg"});
    form->startButton()->SetEnabled(true);  // as if an output name had been chosen
    form->folderField()->setText("kept");

    const std::vector<std::string> err = Open({spaced, "file://" + QByteArray::fromStdString(latin1)
                                                                      .toPercentEncoding("/")
                                                                      .toStdString(),
                                               "./here/", "--", "-"});
    // The last folder named comes out on top; within a folder the list reads backwards.
    EXPECT_EQ(Names(), (std::vector<std::string>{"h.jpg", "b.jpg", "s2.jpg", "s1.jpg"}));
    EXPECT_EQ(Row(0).fullPath, (temp.path() / "here" / "h.jpg").string());  // from the current folder
    EXPECT_EQ(Row(1).fullPath, latin1 + "/b.jpg");
    EXPECT_EQ(Row(3).fullPath, spaced + "/s1.jpg");
    for (int i = 0; i < RowCount(); ++i)
        EXPECT_TRUE(Row(i).checked) << i;
    EXPECT_TRUE(form->outputButton()->Enabled());
    EXPECT_TRUE(form->clearButton()->Enabled());
    EXPECT_FALSE(form->startButton()->Enabled());
    EXPECT_EQ(form->folderField()->text(), QStringLiteral("kept"));
    EXPECT_TRUE(shell.messages.empty());
    // "-" after "--" is a name like any other, and nothing is there.
    EXPECT_EQ(err, (std::vector<std::string>{"volarin-z: \"" + (temp.path() / "-").string()
                                             + "\" is not a folder: No such file or directory."}));
}

TEST_F(CommandLineTest, NoFoldersNamedLeavesTheWindowAsItStarted)
{
    form->show();
    const int width = form->fileList()->columnWidth(0);
    EXPECT_TRUE(Open({}).empty());
    EXPECT_EQ(form->fileList()->columnWidth(0), width);
}

TEST_F(CommandLineTest, PathsThatAreNotFoldersAreNamedOneLineEach)
{
    const std::string folder = Folder("folder", {"a.jpg"});
    const std::vector<std::string> err = Open({folder + "/a.jpg", "gone", "file://server/share", ""});
    EXPECT_EQ(err, (std::vector<std::string>{
                       "volarin-z: \"file://server/share\" is not a folder.",
                       "volarin-z: \"" + folder + "/a.jpg\" is not a folder.",
                       "volarin-z: \"" + (temp.path() / "gone").string()
                           + "\" is not a folder: No such file or directory.",
                       "volarin-z: \"\" is not a folder: No such file or directory.",
                   }));
    EXPECT_EQ(RowCount(), 0);
    EXPECT_FALSE(form->outputButton()->Enabled());
    EXPECT_TRUE(shell.messages.empty());
}

// Root reads any folder, so as root the test runs again as nobody.
TEST_F(CommandLineTest, AFolderThatCannotBeReadIsNamedWithTheReason)
{
    VOLARIN_RUN_AS_NOBODY_WHEN_ROOT();
    const std::string locked = Folder("locked", {"secret.jpg"});
    fs::permissions(locked, fs::perms::none);
    // Started from a file manager nobody reads standard error: the window
    // tells it too, as it does after a drop, and not before the call has returned.
    const std::vector<std::string> err = Open({"locked", Folder("open", {"o.jpg"})}, true);
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(err, (std::vector<std::string>{"volarin-z: The folder \"" + locked
                                             + "\" cannot be read: Permission denied."}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"o.jpg"}));
    QCoreApplication::processEvents();
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_NE(shell.messages[0].text.indexOf(QStringLiteral("Permission denied")), -1)
        << shell.messages[0].text.toStdString();
}

} // namespace

// How the program ends when it is told to (SIGTERM at logout, SIGINT, SIGHUP)
// and what a new start does about a process that was killed (SIGKILL): all
// through a real child process that starts up as the program does
// (tests/app/driver), with the per-user folders in a temporary folder.
#include "ChildProcess.h"
#include "RandomBytes.h"
#include "StagingArea.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <optional>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class TerminationTest : public ::testing::Test {
protected:
    TerminationTest()
    {
        fs::create_directories(out);
        ::chmod(big.c_str(), 0444);
    }

    // The driver staging and zipping the source folder into `out`.
    std::unique_ptr<ChildProcess> Start(const std::vector<std::string>& options)
    {
        std::vector<std::string> argv{driver.string()};
        argv.insert(argv.end(), options.begin(), options.end());
        auto child = std::make_unique<ChildProcess>(argv, environment);
        EXPECT_TRUE(child->Started());
        return child;
    }

    std::vector<fs::path> Listing(const fs::path& folder) const
    {
        std::vector<fs::path> names;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder, ec))
            names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    // The staging folders of runs under the root.
    std::vector<fs::path> RunFolders() const
    {
        std::vector<fs::path> folders;
        for (const fs::path& name : Listing(root))
            if (name.native().rfind(StagingArea::kRunPrefix, 0) == 0)
                folders.push_back(root / name);
        return folders;
    }

    std::string Journal() const { return fs::exists(journal) ? readFileBytes(journal) : std::string(); }

    void ExpectSourcesUntouched() const
    {
        struct stat st {};
        ASSERT_EQ(::stat(big.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0444u);
        EXPECT_EQ(st.st_nlink, 1u) << "a staged link is left";
        EXPECT_EQ(readFileBytes(big), bigBytes);
        EXPECT_EQ(readFileBytes(small), "small");
    }

    TempDir temp;
    fs::path driver = fs::read_symlink("/proc/self/exe").parent_path() / "volarin_run_driver";
    fs::path out = temp / "out";
    fs::path cache = temp / "cache" / "Volarin" / "Volarin Z";
    fs::path root = cache / "staging";
    fs::path journal = cache / "temporary-archives";
    std::string bigBytes = randomBytes(48 * 1024 * 1024, 21);
    fs::path big = temp.write("src/big.bin", bigBytes);
    fs::path small = temp.write("src/small.txt", "small");
    std::map<std::string, std::string> environment{{"XDG_CACHE_HOME", (temp / "cache").string()},
                                                   {"HOME", (temp / "home").string()},
                                                   {"QT_QPA_PLATFORM", "offscreen"}};
};

}  // namespace

// Each signal ends the program as closing its window does, at whatever
// stage it comes: no temporary archive, no staging folder, the journal
// empty, the sources as they were; and the process ends by that signal.
TEST_F(TerminationTest, SignalsEndTheProgramLikeClosingTheWindow)
{
    struct Case {
        int signal;
        const char* when;
        std::vector<std::string> options;
    } cases[] = {
        {SIGTERM, "started", {out.string(), big.parent_path().string()}},
        {SIGINT, "staging", {"--link", out.string(), big.parent_path().string()}},
        {SIGHUP, "ended", {"--hold", out.string(), big.parent_path().string()}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.when);
        fs::remove_all(out);
        fs::create_directories(out);
        auto child = Start(c.options);
        ASSERT_TRUE(child->WaitForLine(c.when)) << child->Output();
        if (c.signal == SIGTERM) {
            ASSERT_EQ(Listing(out).size(), 1u) << "no temporary archive while zipping";
            ASSERT_EQ(RunFolders().size(), 1u);
            ASSERT_TRUE(fs::exists(RunFolders().front() / "big.bin")) << "a large file is linked";
        }
        child->Signal(c.signal);
        ASSERT_TRUE(child->WaitForEnd()) << child->Output();
        EXPECT_EQ(child->EndingSignal(), c.signal) << child->Output();
        const std::vector<fs::path> left = Listing(out);
        if (c.signal == SIGHUP)
            EXPECT_EQ(left, std::vector<fs::path>{"driven.zip"});
        else
            EXPECT_TRUE(left.empty()) << left.front();
        EXPECT_TRUE(Listing(root).empty()) << Listing(root).front();
        EXPECT_EQ(Journal(), "");
        ExpectSourcesUntouched();
    }
}

// After SIGKILL nothing could clean up; the next start removes what that
// process left (its temporary archive, named in the journal, and its staging
// folder) and nothing else: not a look-alike archive the journal does not
// name, not a folder without our marker, not one a running window holds.
TEST_F(TerminationTest, NextStartRemovesWhatAKilledProcessLeftAndNothingElse)
{
    auto child = Start({out.string(), big.parent_path().string()});
    ASSERT_TRUE(child->WaitForLine("started")) << child->Output();
    child->Signal(SIGKILL);
    ASSERT_TRUE(child->WaitForEnd());
    ASSERT_EQ(Listing(out).size(), 1u);
    const fs::path part = out / Listing(out).front();
    ASSERT_NE(Journal().find(part.string()), std::string::npos);
    ASSERT_EQ(RunFolders().size(), 1u);
    const fs::path killed = RunFolders().front();
    ASSERT_TRUE(fs::exists(killed / StagingArea::kMarker));

    const fs::path lookAlike = temp.write("out/other.zip.abc123.part", "not ours");
    const fs::path besideArchive = temp.write("out/keep.txt", "keep");
    const fs::path foreign = temp.write("cache/Volarin/Volarin Z/staging/foreign/keep.txt", "foreign");
    StagingArea runningWindow(root);
    const auto heldFolder = runningWindow.MakeRunFolder();
    ASSERT_TRUE(heldFolder);
    const fs::path held = heldFolder.value() / "copy.txt";
    std::ofstream(held) << "held";

    auto next = Start({out.string()});
    ASSERT_TRUE(next->WaitForEnd()) << next->Output();
    EXPECT_FALSE(next->EndedBySignal());
    EXPECT_EQ(next->ExitCode(), 0) << next->Output();
    EXPECT_FALSE(fs::exists(part));
    EXPECT_FALSE(fs::exists(killed));
    EXPECT_EQ(Journal(), "");
    EXPECT_EQ(readFileBytes(lookAlike), "not ours");
    EXPECT_EQ(readFileBytes(besideArchive), "keep");
    EXPECT_EQ(readFileBytes(foreign), "foreign");
    EXPECT_EQ(readFileBytes(held), "held");
    ExpectSourcesUntouched();
}

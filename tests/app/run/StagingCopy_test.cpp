// What staging hands to the queue: every staged file once, in byte order of
// its name, with the length, attributes, date and identity read while
// measuring it, so the run needs no second look at the disk; and every file
// left out, with its reason. Linked or read in place, the records agree.
#include "DosAttributes.h"
#include "LocalFileTime.h"
#include "StagingCopy.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#include <map>

namespace fs = std::filesystem;

namespace {

void setModified(const fs::path& file, std::time_t when)
{
    const struct timespec times[2] = {{when, 0}, {when, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

}  // namespace

struct LinkCase {
    const char* name;
    StagingLinks links;
    bool linked;  // the files, all a few bytes long, are read through links in the folder
};

class StagingCopyMethods : public ::testing::TestWithParam<LinkCase> {};

TEST_P(StagingCopyMethods, EntriesComeSortedAndMeasured)
{
    TempDir temp;
    const fs::path out = temp.path() / "staging";
    fs::create_directories(out);
    const fs::path b = temp.write("one/b.txt", "bee");
    const fs::path a = temp.write("one/a.txt", "first a");
    const fs::path later = temp.write("two/a.txt", "later a wins");
    const fs::path upper = temp.write("two/Z.txt", "capital sorts first");
    const fs::path utf8 = temp.write("two/\xc3\xa9t\xc3\xa9.txt", "summer");
    const fs::path hidden = temp.write("two/.secret", "dot");
    const fs::path readOnly = temp.write("one/ro.txt", "locked");
    ::chmod(readOnly.c_str(), 0444);
    const fs::path fifo = temp.path() / "one" / "pipe.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    setModified(b, 1'100'000'001);  // odd seconds: the record keeps them, the archive rounds
    setModified(later, 1'500'000'000);

    const StagingCopyReport report =
        StagingCopy::CopyAll({b.string(), a.string(), later.string(), upper.string(), utf8.string(), hidden.string(),
                              readOnly.string(), fifo.string(), (temp.path() / "one" / "gone.txt").string()},
                             out, {}, GetParam().links);

    std::vector<std::string> names;
    for (const StagedEntry& e : report.entries) {
        names.push_back(e.file.AsFile);
        EXPECT_TRUE(e.measured);
        EXPECT_EQ(fs::path(e.file.SourceFile).parent_path() == out, GetParam().linked) << e.file.SourceFile;
        EXPECT_EQ(!e.original.empty(), GetParam().linked);
        EXPECT_EQ(e.file.ByteCount, static_cast<int64_t>(fs::file_size(e.file.SourceFile))) << e.file.AsFile;
        // A hard link or the file itself: its turn finds it unchanged.
        struct stat st {};
        ASSERT_EQ(::stat(e.file.SourceFile.c_str(), &st), 0);
        EXPECT_TRUE(e.file.Stamp.known);
        EXPECT_TRUE(e.file.Stamp.Matches(st)) << e.file.AsFile;
    }
    EXPECT_EQ(report.entries[1].original.empty() ? report.entries[1].file.SourceFile : report.entries[1].original,
              later.string());
    EXPECT_EQ(names, (std::vector<std::string>{"Z.txt", "a.txt", "b.txt", "ro.txt", "\xc3\xa9t\xc3\xa9.txt"}));
    ASSERT_EQ(report.entries.size(), 5u);
    EXPECT_EQ(report.entries[1].file.ByteCount, 12);  // the later a.txt
    EXPECT_EQ(report.entries[1].file.FileDate, LocalFileTime::FromUnixSeconds(1'500'000'000).value());
    EXPECT_EQ(report.entries[2].file.FileDate, LocalFileTime::FromUnixSeconds(1'100'000'001).value());
    EXPECT_EQ(report.entries[2].file.Attrs, DosAttribute::Archive);
    EXPECT_EQ(report.entries[3].file.Attrs, DosAttribute::Archive | DosAttribute::ReadOnly);
    EXPECT_EQ(report.copied, 6u);  // the hidden file is taken, not zipped

    std::map<std::string, FailureKind> left;
    for (const Failure& f : report.failed)
        left[f.path.filename().string()] = f.kind;
    EXPECT_EQ(left, (std::map<std::string, FailureKind>{{"a.txt", FailureKind::SourceReplaced},
                                                        {".secret", FailureKind::SourceHidden},
                                                        {"pipe.txt", FailureKind::SourceNotCopied},
                                                        {"gone.txt", FailureKind::SourceNotCopied}}));
    EXPECT_FALSE(fs::exists(fs::symlink_status(out / "pipe.txt")));
}

INSTANTIATE_TEST_SUITE_P(All, StagingCopyMethods,
                         ::testing::Values(LinkCase{"HardLinked", StagingLinks::Every(FileCopyMethod::HardLink), true},
                                           LinkCase{"InPlace", StagingLinks::None(), false},
                                           LinkCase{"LargeOnesLinked", StagingLinks(), false}),
                         [](const auto& info) { return std::string(info.param.name); });

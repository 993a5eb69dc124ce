// The staging thread's one channel to the window's thread: every file staged
// comes through it, in byte order of its name, and the report comes last;
// nothing is lost between the two.
#include "StagingJob.h"
#include "TempDir.h"

#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

TEST(StagingJob, HandsEveryFileThenTheReportLast)
{
    TempDir temp;
    std::vector<std::string> files;
    for (int i = 0; i < 300; ++i)
        files.push_back(temp.write("many/f" + std::to_string(1000 + i) + ".txt", "x"));
    files.push_back((temp.path() / "many" / "gone.txt").string());
    std::unique_ptr<StagingJob> job;
    std::vector<std::string> names;
    std::optional<StagingCopyReport> report;
    size_t afterReport = 0;
    auto started = StagingJob::Start(files, {}, StagingLinks::None(), [&] {
        StagingJob::News news = job->TakeNews();
        if (report)
            afterReport += news.staged.size() + (news.report ? 1 : 0);
        for (const StagedEntry& entry : news.staged)
            names.push_back(entry.file.AsFile);
        if (news.report)
            report = std::move(news.report);
    });
    ASSERT_TRUE(started.ok());
    job = std::move(started.value());
    ASSERT_TRUE(QTest::qWaitFor([&] { return report.has_value(); }, 60000));
    job->Stop();
    EXPECT_EQ(names.size(), 300u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_EQ(report->copied, 300u);
    ASSERT_EQ(report->failed.size(), 1u);
    EXPECT_EQ(report->failed[0].path, files.back());
    EXPECT_EQ(job->SourcesDone(), job->Sources());
    QTest::qWait(20);
    EXPECT_EQ(afterReport, 0u);
}

// One byte damaged on its way into the archive file (at the file-write edge,
// below the writer): of an entry's data, of a local header, of the central
// directory. The proof refuses the archive, the run fails with words that
// name the entry and what is wrong with it, and an older archive of that
// name stays as it was; whichever engine wrote it.
#include "ArchiveLayout.h"
#include "FakeShell.h"
#include "RandomBytes.h"
#include "TempDir.h"
#include "TestWatchdog.h"
#include "UserMessage.h"
#include "ZipRunService.h"
#include "ZipWriter.h"
#include "Zipper.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string text(size_t size)
{
    std::string out;
    for (size_t i = 0; out.size() < size; ++i)
        out += "row " + std::to_string(i) + "\n";
    out.resize(size);
    return out;
}

class ArchiveProofDamage : public ::testing::Test {
protected:
    ArchiveProofDamage() { TestWatchdog::Limit(TestWatchdog::kThreaded); }

    // A run of the files into `archive` whose writer flips the byte at
    // `damageAt` (none: -1) as it goes to the file.
    RunOutcome run(int workers, int64_t damageAt, const fs::path& archive)
    {
        auto writer = [damageAt]() -> std::unique_ptr<ZipWriterInterface> {
            return std::make_unique<ZipWriter>([damageAt](int64_t at, std::span<unsigned char> bytes) {
                if (damageAt >= at && damageAt < at + static_cast<int64_t>(bytes.size()))
                    bytes[static_cast<size_t>(damageAt - at)] ^= 0x20;
            });
        };
        ZipRunService service(temp / "staging", std::make_unique<Zipper>(workers, writer));
        RunOutcome outcome;
        QSignalSpy ended(&service, &ZipRunService::Ended);
        QObject::connect(&service, &ZipRunService::Ended, [&](const RunOutcome& o) { outcome = o; });
        service.Start({files, archive});
        if (ended.isEmpty()) {
            EXPECT_TRUE(ended.wait(60000));
        }
        return outcome;
    }

    TempDir temp;
    FakeShell shell;
    std::vector<std::string> files{temp.write("src/a.txt", text(3000)).string(),
                                   temp.write("src/b.jpg", randomBytes(4000, 5)).string(),
                                   temp.write("src/c.txt", text(5000)).string()};
};

}  // namespace

TEST_F(ArchiveProofDamage, DamagedByteFailsTheRunAndKeepsTheOlderArchive)
{
    for (int workers : {1, 2}) {
        SCOPED_TRACE(workers);
        const fs::path clean = temp / ("clean" + std::to_string(workers) + ".zip");
        ASSERT_EQ(run(workers, -1, clean).end, RunOutcome::End::Completed);
        const ArchiveLayout layout = archiveLayout(clean);
        ASSERT_EQ(layout.entries.size(), 3u);
        const struct {
            const char* part;
            uint64_t at;
            const char* words;
        } cases[] = {
            // b.jpg does not compress: its data is a stored block, so the damage reads back as other bytes.
            {"entry data", layout["b.jpg"].dataAt + 100, "entry \"b.jpg\" does not read back (CRC differs)"},
            {"local header", layout["b.jpg"].headerAt + 30,
             "entry \"b.jpg\" does not read back (its local header differs from the central directory: name)"},
            {"central directory", layout["c.txt"].centralAt + 16,
             "entry \"c.txt\" does not read back (its local header differs from the central directory: CRC)"},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.part);
            const fs::path archive = temp.write("out/proof.zip", "an older archive");
            const RunOutcome outcome = run(workers, static_cast<int64_t>(c.at), archive);
            EXPECT_EQ(outcome.end, RunOutcome::End::Failed);
            ASSERT_TRUE(outcome.failure);
            EXPECT_EQ(UserMessage::For(*outcome.failure).text,
                      QStringLiteral("The archive \"%1\" could not be written: the archive could not be proven: %2.")
                          .arg(QString::fromStdString(archive.string()), QString::fromUtf8(c.words)));
            EXPECT_EQ(readFileBytes(archive), "an older archive");
            EXPECT_EQ(std::distance(fs::directory_iterator(temp / "out"), fs::directory_iterator()), 1);
        }
    }
}

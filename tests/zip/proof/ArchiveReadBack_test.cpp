// The proof's reader on archives written by the ZipWriter, whole and with one
// field or byte damaged: it proves the sound one and names what is wrong
// with each damaged one (Python's zipfile finds where the parts lie).
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <random>

#include "ArchiveLayout.h"
#include "ArchiveReadBack.h"
#include "MemoryArchiveBytes.h"
#include "TempDir.h"
#include "ZipWriterTestHelpers.h"

namespace {

using What = ProofFault::What;
using Field = ProofFault::Field;

const std::string kStored(600, 's');
const std::string kSecret = "the secret, " + std::string(3000, 'x');

std::string text(size_t size)
{
    std::string out;
    for (size_t i = 0; out.size() < size; ++i)
        out += "line " + std::to_string(i % 977) + " of the log\n";
    out.resize(size);
    return out;
}

int32_t crcOf(const std::string& data)
{
    ZipWriter crc;
    crc.OpenCrc();
    crc.CrcBytes(bytesOf(data));
    return crc.CloseCrc();
}

struct Written {
    std::string bytes;
    ArchiveLayout layout;
};

// stored.txt (stored), Café.txt (deflated, a Unicode Path field), secret.bin
// (with a password), dir\x.txt (stored as dir_x.txt); big.log (past the
// whole-entry limit, inflated piece by piece) when asked for.
const Written& archive(bool withBig = false)
{
    static std::map<bool, Written> made;
    if (made.count(withBig))
        return made[withBig];
    static TempDir dir;
    const std::filesystem::path path = dir / (withBig ? "big.zip" : "small.zip");
    ZipWriter writer;
    EXPECT_FALSE(writer.OpenZip(path.string()));
    EXPECT_FALSE(writer.OpenFileInZip("stored.txt", 0, 0, 0, {}, 45000.25));
    EXPECT_FALSE(writer.WriteBytes(bytesOf(kStored)));
    EXPECT_FALSE(writer.CloseFileInZip());
    writeEntry(writer, "Caf\xC3\xA9.txt", text(20000), 45000.5);
    writeEntry(writer, "secret.bin", kSecret, 45000.5, 0, "pw", crcOf(kSecret));
    writeEntry(writer, "dir\\x.txt", "x", 45000.5);
    if (withBig)
        writeEntry(writer, "big.log", text((EntryDataCheck::kWholeLimit * 5) / 4), 45000.5);
    EXPECT_FALSE(writer.CloseZip());
    made[withBig] = {readFileBytes(path), archiveLayout(path)};
    return made[withBig];
}

std::deque<ExpectedEntry> queued(bool withBig = false)
{
    std::deque<ExpectedEntry> entries{
        {"stored.txt", ""}, {"Caf\xC3\xA9.txt", ""}, {"secret.bin", "pw"}, {"dir\\x.txt", ""}};
    if (withBig)
        entries.push_back({"big.log", "", (EntryDataCheck::kWholeLimit * 5) / 4});
    return entries;
}

void put16(std::string& bytes, uint64_t at, uint16_t value)
{
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

uint16_t get16(const std::string& bytes, uint64_t at)
{
    const auto byte = [&](uint64_t i) { return static_cast<unsigned char>(bytes[i]); };
    return static_cast<uint16_t>(byte(at) | byte(at + 1) << 8);
}

void add16(std::string& bytes, uint64_t at, int delta)
{
    put16(bytes, at, static_cast<uint16_t>(get16(bytes, at) + delta));
}

void flip(std::string& bytes, uint64_t at)
{
    bytes[at] = static_cast<char>(bytes[at] ^ 0x20);
}

// Zip64 end records (saturating the end record's fields), as an archive of
// more than 65,535 entries has them.
void addZip64End(std::string& bytes, uint64_t endAt, uint64_t count)
{
    const uint64_t size = endAt - static_cast<uint64_t>(get16(bytes, endAt + 16) | get16(bytes, endAt + 18) << 16);
    const uint64_t directoryAt = endAt - size;
    std::string records;
    const auto put = [&](uint64_t value, int width) {
        for (int i = 0; i < width; ++i)
            records.push_back(static_cast<char>(value >> (8 * i)));
    };
    put(0x06064b50, 4), put(44, 8), put(45, 2), put(45, 2), put(0, 4), put(0, 4);
    put(count, 8), put(count, 8), put(size, 8), put(directoryAt, 8);
    put(0x07064b50, 4), put(0, 4), put(endAt, 8), put(1, 4);
    bytes.insert(endAt, records);
    endAt += records.size();
    put16(bytes, endAt + 8, 0xFFFF);
    put16(bytes, endAt + 10, 0xFFFF);
    put16(bytes, endAt + 16, 0xFFFF);
    put16(bytes, endAt + 18, 0xFFFF);
}

struct Case {
    const char* what;
    std::function<void(std::string& bytes, const ArchiveLayout& at, std::deque<ExpectedEntry>& queue)> damage;
    bool proven;
    What found = What::Unreadable;
    Field field = Field::None;
    std::string entry = {};
    std::optional<What> orFound = {};
};

const std::string kCafe = "Caf\xC3\xA9.txt";

const Case kCases[] = {
    {"intact", [](auto&, auto&, auto&) {}, true},
    {"backslash stored as _", [](auto&, auto& at, auto&) { (void)at["dir_x.txt"]; }, true},
    {"Zip64 end records", [](auto& b, auto& at, auto&) { addZip64End(b, at.endAt, 4); }, true},
    {"cut short", [](auto& b, auto&, auto&) { b.pop_back(); }, false, What::EndDamaged},
    {"directory moved", [](auto& b, auto& at, auto&) { add16(b, at.endAt + 16, 1); }, false, What::EndDamaged},
    {"Zip64 count differs", [](auto& b, auto& at, auto&) { addZip64End(b, at.endAt, 5); }, false,
     What::DirectoryDamaged},
    {"Zip64 locator damaged",
     [](auto& b, auto& at, auto&) {
         addZip64End(b, at.endAt, 4);
         flip(b, at.endAt + 56);
     },
     false, What::EndDamaged},
    {"one record unlisted",
     [](auto& b, auto& at, auto&) { add16(b, at.endAt + 8, -1), add16(b, at.endAt + 10, -1); }, false,
     What::DirectoryDamaged},
    {"gap before the directory",
     [](auto& b, auto& at, auto&) {
         b.insert(b.begin() + static_cast<std::ptrdiff_t>(at.entries.front().centralAt), 'g');
         add16(b, at.endAt + 1 + 16, 1);
     },
     false, What::DirectoryDamaged},
    {"local signature", [](auto& b, auto& at, auto&) { flip(b, at[kCafe].headerAt); }, false, What::HeaderMissing,
     Field::None, kCafe},
    {"local name", [](auto& b, auto& at, auto&) { flip(b, at["stored.txt"].headerAt + 30); }, false,
     What::HeaderDiffers, Field::Name, "stored.txt"},
    {"local CRC", [](auto& b, auto& at, auto&) { flip(b, at["stored.txt"].headerAt + 14); }, false,
     What::HeaderDiffers, Field::Crc, "stored.txt"},
    {"local method", [](auto& b, auto& at, auto&) { put16(b, at["stored.txt"].headerAt + 8, 8); }, false,
     What::HeaderDiffers, Field::Method, "stored.txt"},
    {"local Unicode Path field",
     [](auto& b, auto& at, auto&) { flip(b, at[kCafe].dataAt - 2); }, false, What::HeaderDiffers, Field::Extra,
     kCafe},
    {"central flags", [](auto& b, auto& at, auto&) { flip(b, at["secret.bin"].centralAt + 9); }, false,
     What::HeaderDiffers, Field::Flags, "secret.bin"},
    {"central date", [](auto& b, auto& at, auto&) { flip(b, at["secret.bin"].centralAt + 14); }, false,
     What::HeaderDiffers, Field::Date, "secret.bin"},
    {"central size", [](auto& b, auto& at, auto&) { add16(b, at[kCafe].centralAt + 20, 1); }, false,
     What::HeaderDiffers, Field::Sizes, kCafe},
    {"central offset", [](auto& b, auto& at, auto&) { add16(b, at["secret.bin"].centralAt + 42, 1); }, false,
     What::HeaderMissing, Field::None, "secret.bin"},
    {"Unicode Path field in both",
     [](auto& b, auto& at, auto&) {
         flip(b, at[kCafe].headerAt + 30 + kCafe.size() + 5);
         flip(b, at[kCafe].centralAt + 46 + kCafe.size() + 5);
     },
     false, What::ExtraDamaged, Field::None, kCafe},
    {"local extra field cut", [](auto& b, auto& at, auto&) { add16(b, at[kCafe].headerAt + 28, -1); }, false,
     What::ExtraDamaged, Field::None, kCafe},
    {"stored data", [](auto& b, auto& at, auto&) { flip(b, at["stored.txt"].dataAt + 100); }, false,
     What::CrcDiffers, Field::None, "stored.txt"},
    {"deflate block type", [](auto& b, auto& at, auto&) { b[at[kCafe].dataAt] = '\xFF'; }, false,
     What::DataDamaged, Field::None, kCafe},
    {"sizes both one larger",
     [](auto& b, auto& at, auto&) {
         add16(b, at[kCafe].headerAt + 22, 1);
         add16(b, at[kCafe].centralAt + 24, 1);
     },
     false, What::SizeDiffers, Field::None, kCafe},
    {"method both bzip2",
     [](auto& b, auto& at, auto&) {
         put16(b, at["stored.txt"].headerAt + 8, 12);
         put16(b, at["stored.txt"].centralAt + 10, 12);
     },
     false, What::Unsupported, Field::None, "stored.txt"},
    // One wrong password in 256 passes the check byte (the header's other bytes
    // are random): its data then does not inflate.
    {"wrong password", [](auto&, auto&, auto& q) { q[2].password = "px"; }, false, What::PasswordDiffers,
     Field::None, "secret.bin", What::DataDamaged},
    {"password for a plain entry", [](auto&, auto&, auto& q) { q[0].password = "pw"; }, false,
     What::PasswordDiffers, Field::None, "stored.txt"},
    {"another name queued", [](auto&, auto&, auto& q) { q[1].name = "Cafe.txt"; }, false, What::EntryMissing,
     Field::None, "Cafe.txt"},
    {"one more queued", [](auto&, auto&, auto& q) { q.push_back({"later.txt", ""}); }, false, What::EntryMissing,
     Field::None, "later.txt"},
    {"one fewer queued", [](auto&, auto&, auto& q) { q.pop_back(); }, false, What::CountDiffers},
};

Result<void, ProofFault> proveWhole(const std::string& bytes, const std::deque<ExpectedEntry>& queue)
{
    MemoryArchiveBytes memory(bytes);
    ArchiveReadBack readBack(true);
    return readBack.Finish(memory, queue);
}

}  // namespace

TEST(ArchiveReadBack, ProvesTheSoundAndNamesWhatIsDamaged)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        std::string bytes = archive().bytes;
        std::deque<ExpectedEntry> queue = queued();
        c.damage(bytes, archive().layout, queue);
        const auto proven = proveWhole(bytes, queue);
        ASSERT_EQ(static_cast<bool>(proven), c.proven);
        if (c.proven)
            continue;
        if (proven.kind().what != c.orFound) {
            EXPECT_EQ(proven.kind().what, c.found);
        }
        EXPECT_EQ(proven.kind().field, c.field);
        EXPECT_EQ(proven.kind().entry, c.entry);
    }
}

// While the archive is written, each entry is proven once all its bytes are
// out and its header final, never before; whatever is left is proven at the
// end. An entry whose header is not final yet (it is still being written) is
// inflated as far as its bytes go.
TEST(ArchiveReadBack, ProvesEntriesAsTheirBytesAreWrittenOut)
{
    const Written& written = archive(true);
    const struct {
        const char* damaged;
        uint64_t lag;  // how far the final bytes lag behind those written out
    } cases[] = {{"", 0}, {"", 70000}, {"secret.bin", 0}, {"big.log", 60000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.damaged) + " " + std::to_string(c.lag));
        std::string bytes = written.bytes;
        if (*c.damaged)
            flip(bytes, written.layout[c.damaged].dataAt + 20);
        MemoryArchiveBytes memory(bytes);
        ArchiveReadBack readBack(true);
        std::deque<ExpectedEntry> queue = queued(true);
        ArchiveReadBack::Step step = ArchiveReadBack::Step::NotYet;
        for (uint64_t limit = 0; step != ArchiveReadBack::Step::Stopped; limit += 4099) {
            limit = std::min<uint64_t>(limit, bytes.size());
            const uint64_t settled = limit == bytes.size() ? limit : limit - std::min(limit, c.lag);
            memory.SetLimit(limit);
            while (!queue.empty()) {
                step = readBack.ProveNext(memory, settled, queue.front());
                if (step != ArchiveReadBack::Step::Proven)
                    break;
                // Proven: its header was final and its bytes all there.
                const EntryPlace& entry = written.layout.entries[readBack.Proven() - 1];
                EXPECT_LE(entry.dataAt, settled);
                const uint64_t end = readBack.Proven() < written.layout.entries.size()
                                         ? written.layout.entries[readBack.Proven()].headerAt
                                         : written.layout.entries[0].centralAt;
                EXPECT_LE(end, limit);
                queue.pop_front();
            }
            if (limit == bytes.size())
                break;
        }
        const bool damaged = *c.damaged != '\0';
        EXPECT_EQ(step == ArchiveReadBack::Step::Stopped, damaged);
        EXPECT_EQ(readBack.Proven(), damaged ? (std::string(c.damaged) == "big.log" ? 4u : 2u) : 5u);
        memory.SetLimit(bytes.size());
        const auto proven = readBack.Finish(memory, queue);
        EXPECT_EQ(static_cast<bool>(proven), !damaged);
        if (damaged) {
            EXPECT_EQ(proven.kind().entry, c.damaged);
        }
    }
}

// An entry past the whole-entry limit is inflated piece by piece, and is
// refused all the same when one of its bytes is damaged.
TEST(ArchiveReadBack, LargeEntryIsProvenPieceByPiece)
{
    const Written& written = archive(true);
    EXPECT_TRUE(proveWhole(written.bytes, queued(true)));
    std::string bytes = written.bytes;
    flip(bytes, written.layout["big.log"].dataAt + 70000);
    const auto proven = proveWhole(bytes, queued(true));
    ASSERT_FALSE(proven);
    EXPECT_EQ(proven.kind().entry, "big.log");
    EXPECT_TRUE(proven.kind().what == What::DataDamaged || proven.kind().what == What::CrcDiffers ||
                proven.kind().what == What::SizeDiffers);
}

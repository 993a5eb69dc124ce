// The journal of temporary archives, as another process, a crash or a
// damaged disk may have left it: reading it (on every update) keeps only
// absolute names of temporary archives, never more than it found, and
// writes back a journal that reads the same. Nothing is swept: a sweep would
// delete the files the input names.
#include "FuzzSupport.h"
#include "LeftoverArchive.h"
#include "TemporaryArchiveJournal.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> records(const std::string& bytes)
{
    std::vector<std::string> out;
    for (size_t at = 0, end; (end = bytes.find('\0', at)) != std::string::npos; at = end + 1)
        out.push_back(bytes.substr(at, end - at));
    return out;
}

std::string readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const fs::path journalFile = fuzz::ScratchFolder() / "journal";
    const std::string given(reinterpret_cast<const char*>(data), size);
    std::ofstream(journalFile, std::ios::binary | std::ios::trunc) << given;
    TemporaryArchiveJournal journal(journalFile);

    // Forgetting a name the journal may hold: its first record.
    const std::vector<std::string> before = records(given);
    const fs::path forgotten = before.empty() ? fs::path("/x.zip.abcdef.part") : fs::path(before.front());
    fuzz::Check(journal.Forget(forgotten).ok(), "a journal that cannot be updated");
    const std::string written = readFile(journalFile);
    fuzz::Check(written.empty() || written.back() == '\0', "a written journal with an unended record");
    size_t kept = 0;
    for (const std::string& record : records(written)) {
        fuzz::Check(fs::path(record) != forgotten, "a forgotten name kept");
        fuzz::Check(LeftoverArchive::IsTemporaryArchiveName(record), "a record that names no temporary archive");
        fuzz::Check(record.front() == '/', "a relative record");
        ++kept;
    }
    fuzz::Check(kept <= before.size(), "more records written than read");

    // What was written reads the same when updated again (but for the name
    // forgotten, in whatever spelling of its path: "//a" is "/a").
    const fs::path other = "/other.zip.aaaaaa.part";
    std::string expected;
    for (const std::string& record : records(written))
        if (fs::path(record) != other)
            expected += record + '\0';
    fuzz::Check(journal.Forget(other).ok() && readFile(journalFile) == expected,
                "a written journal that reads otherwise");
    return 0;
}

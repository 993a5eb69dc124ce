#include "WrittenPrefix.h"

#include <libdeflate.h>

#include <cerrno>
#include <vector>

#include "SourceFileReader.h"
#include "WholeEntryDeflater.h"

ZipFailure WrittenPrefix::Write(ZipWriterInterface& writer, const std::filesystem::path& source, uint64_t offset,
                                uint64_t size, uint32_t crc, std::error_code& reason)
{
    SourceFileReader reader;
    std::vector<unsigned char> bytes(static_cast<size_t>(size));
    if (const auto opened = reader.Open(source); !opened) {
        reason = opened.code();
        return ZipFailure::ReadFile;
    }
    if (reader.ReadAt(static_cast<int64_t>(offset), bytes.data(), bytes.size(), reason) != bytes.size())
        return ZipFailure::ReadFile;
    if (libdeflate_crc32(0, bytes.data(), bytes.size()) != crc) {
        reason.clear();
        return ZipFailure::ReadFile;
    }
    // Level 0: stored blocks, a copy with a few bytes of framing.
    WholeEntryDeflater deflater;
    std::vector<unsigned char> stream;
    if (!deflater.DeflateAtLevel(bytes, 0, stream)) {
        reason = std::error_code(ENOMEM, std::system_category());
        return ZipFailure::WriteBytes;
    }
    if (writer.WriteBytes(stream)) {
        reason = writer.SystemError();
        return ZipFailure::WriteBytes;
    }
    return ZipFailure::None;
}

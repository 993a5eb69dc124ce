#include "WrittenPrefix.h"

#include <libdeflate.h>

#include <cerrno>
#include <vector>

#include "SourceFileReader.h"
#include "WholeEntryDeflater.h"

Result<void, ZipFailure> WrittenPrefix::Write(ZipWriterInterface& writer, const std::filesystem::path& source,
                                              uint64_t offset, uint64_t size, uint32_t crc)
{
    SourceFileReader reader;
    std::vector<unsigned char> bytes(static_cast<size_t>(size));
    if (const auto opened = reader.Open(source); !opened)
        return Fault<ZipFailure>{ZipFailure::ReadFile, opened.code()};
    const auto read = reader.ReadAt(static_cast<int64_t>(offset), bytes.data(), bytes.size());
    if (!read)
        return Fault<ZipFailure>{ZipFailure::ReadFile, read.code()};
    if (read.value() != bytes.size() || libdeflate_crc32(0, bytes.data(), bytes.size()) != crc)
        return Fault<ZipFailure>{ZipFailure::ReadFile};
    // Level 0: stored blocks, a copy with a few bytes of framing.
    WholeEntryDeflater deflater;
    std::vector<unsigned char> stream;
    if (!deflater.DeflateAtLevel(bytes, 0, stream))
        return Fault<ZipFailure>{ZipFailure::WriteBytes, LastSystemError(ENOMEM)};
    if (writer.WriteBytes(stream))
        return Fault<ZipFailure>{ZipFailure::WriteBytes, writer.SystemError()};
    return {};
}

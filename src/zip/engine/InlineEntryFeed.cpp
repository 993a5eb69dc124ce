#include "InlineEntryFeed.h"

#include <zlib.h>

#include <algorithm>

InlineEntryFeed::InlineEntryFeed(int64_t chunkSize)
{
    // The one allocation of the read buffer for this run; later resizes stay within it.
    buffer_.reserve(static_cast<size_t>(chunkSize));
}

FeedResult InlineEntryFeed::Begin(ZipWriterInterface& writer, const ZipFile& entry, bool crcPass,
                                  int32_t prePassCrc)
{
    crcPass_ = crcPass;
    encrypted_ = false;
    prePassCrc_ = prePassCrc;
    if (!crcPass) {
        if (writer.OpenFileInZip(entry.AsFile, entry.ZMethod, entry.ZLevel, entry.Attrs, entry.Comment,
                                 entry.FileDate, entry.Password, prePassCrc,
                                 static_cast<uint64_t>(entry.ByteCount), entry.Times)) {
            return Failed(ZipFailure::OpenFileInZip, writer.SystemError());
        }
        encrypted_ = !entry.Password.empty();
        writeCrc_ = static_cast<uint32_t>(crc32(0L, Z_NULL, 0));
    } else {
        writer.OpenCrc();
    }
    if (const auto opened = source_.Open(entry.SourceFile, entry.Stamp); !opened)
        return Failed(ZipFailure::ReadFile, opened.code());
    buffer_.resize(static_cast<size_t>(std::min<int64_t>(entry.ByteCount, int64_t(buffer_.capacity()))));
    return {};
}

FeedResult InlineEntryFeed::Chunk(ZipWriterInterface& writer, size_t size)
{
    if (buffer_.size() != size)
        buffer_.resize(size);
    if (const auto read = source_.ReadExactly(buffer_.data(), size); !read) {
        source_.Close();
        return Failed(ZipFailure::ReadFile, read.code());
    }
    std::span<const unsigned char> bytes(buffer_.data(), size);
    if (crcPass_) {
        writer.CrcBytes(bytes);
        return {};
    }
    if (encrypted_)
        writeCrc_ = static_cast<uint32_t>(crc32(writeCrc_, bytes.data(), static_cast<uInt>(size)));
    if (writer.WriteBytes(bytes)) {
        source_.Close();
        return Failed(ZipFailure::WriteBytes, writer.SystemError());
    }
    return {};
}

FeedResult InlineEntryFeed::End(ZipWriterInterface& writer, int32_t& crc)
{
    source_.Close();
    if (crcPass_) {
        crc = writer.CloseCrc();
        return {};
    }
    // The file changed between its CRC pass and now: the entry's password
    // check would not match its data.
    if (encrypted_ && static_cast<int32_t>(writeCrc_) != prePassCrc_) {
        return Failed(ZipFailure::ReadFile);
    }
    // The writer reports a failed close only in Result, so that is checked too.
    if (writer.CloseFileInZip() || writer.Result() != 0) {
        return Failed(ZipFailure::CloseFileInZip, writer.SystemError());
    }
    return {};
}

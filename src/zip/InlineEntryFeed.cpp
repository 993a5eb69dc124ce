#include "InlineEntryFeed.h"

#include <zlib.h>

#include <algorithm>

InlineEntryFeed::InlineEntryFeed(int64_t chunkSize)
{
    // The one allocation of the read buffer for this run; later resizes stay within it.
    buffer_.reserve(static_cast<size_t>(chunkSize));
}

ZipFailure InlineEntryFeed::Begin(ZipWriterInterface& writer, const ZipFile& entry, bool crcPass,
                                  int32_t prePassCrc)
{
    crcPass_ = crcPass;
    encrypted_ = false;
    prePassCrc_ = prePassCrc;
    if (!crcPass) {
        if (writer.OpenFileInZip(entry.AsFile, entry.ZMethod, entry.ZLevel, entry.Attrs, entry.Comment,
                                 entry.FileDate, entry.Password, prePassCrc,
                                 static_cast<uint64_t>(entry.ByteCount))) {
            reason_ = writer.SystemError();
            return ZipFailure::OpenFileInZip;
        }
        encrypted_ = !entry.Password.empty();
        writeCrc_ = static_cast<uint32_t>(crc32(0L, Z_NULL, 0));
    } else {
        writer.OpenCrc();
    }
    if (!source_.Open(entry.SourceFile)) {
        reason_ = source_.LastError();
        return ZipFailure::ReadFile;
    }
    buffer_.resize(static_cast<size_t>(std::min<int64_t>(entry.ByteCount, int64_t(buffer_.capacity()))));
    return ZipFailure::None;
}

ZipFailure InlineEntryFeed::Chunk(ZipWriterInterface& writer, size_t size)
{
    if (buffer_.size() != size)
        buffer_.resize(size);
    if (!source_.ReadExactly(buffer_.data(), size)) {
        reason_ = source_.LastError();
        source_.Close();
        return ZipFailure::ReadFile;
    }
    std::span<const unsigned char> bytes(buffer_.data(), size);
    if (crcPass_) {
        writer.CrcBytes(bytes);
        return ZipFailure::None;
    }
    if (encrypted_)
        writeCrc_ = static_cast<uint32_t>(crc32(writeCrc_, bytes.data(), static_cast<uInt>(size)));
    if (writer.WriteBytes(bytes)) {
        reason_ = writer.SystemError();
        source_.Close();
        return ZipFailure::WriteBytes;
    }
    return ZipFailure::None;
}

ZipFailure InlineEntryFeed::End(ZipWriterInterface& writer, int32_t& crc)
{
    source_.Close();
    if (crcPass_) {
        crc = writer.CloseCrc();
        return ZipFailure::None;
    }
    // The file changed between its CRC pass and now: the entry's password
    // check would not match its data.
    if (encrypted_ && static_cast<int32_t>(writeCrc_) != prePassCrc_) {
        reason_.clear();
        return ZipFailure::ReadFile;
    }
    // The writer reports a failed close only in Result, so that is checked too.
    if (writer.CloseFileInZip() || writer.Result() != 0) {
        reason_ = writer.SystemError();
        return ZipFailure::CloseFileInZip;
    }
    return ZipFailure::None;
}

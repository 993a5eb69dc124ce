#include "RecordingZipWriter.h"

#include <zlib.h>

#include <cstdio>

RecordingZipWriter::RecordingZipWriter(std::shared_ptr<WriterScript> script) : script_(std::move(script))
{
    ++script_->writersMade;
    ++script_->writersAlive;
}

RecordingZipWriter::~RecordingZipWriter()
{
    --script_->writersAlive;
}

bool RecordingZipWriter::scripted(const std::string& call)
{
    systemError_.clear();
    auto it = script_->failNext.find(call);
    if (it == script_->failNext.end())
        return false;
    result_ = it->second;
    script_->failNext.erase(it);
    if (auto err = script_->failErrno.find(call); err != script_->failErrno.end()) {
        systemError_ = std::error_code(err->second, std::system_category());
        script_->failErrno.erase(err);
    }
    return true;
}

bool RecordingZipWriter::inflatePiece(std::span<const unsigned char> piece, std::string& out)
{
    unsigned char buffer[65536];
    inflater_->next_in = const_cast<unsigned char*>(piece.data());
    inflater_->avail_in = static_cast<uInt>(piece.size());
    for (;;) {
        inflater_->next_out = buffer;
        inflater_->avail_out = sizeof buffer;
        const int ret = inflate(inflater_.get(), Z_SYNC_FLUSH);
        out.append(reinterpret_cast<const char*>(buffer), sizeof buffer - inflater_->avail_out);
        if (ret == Z_STREAM_END || (ret == Z_BUF_ERROR && inflater_->avail_in == 0))
            return true;
        if (ret != Z_OK)
            return false;
        if (inflater_->avail_in == 0 && inflater_->avail_out != 0)
            return true;
    }
}

void RecordingZipWriter::OpenCrc()
{
    script_->timeline.push_back("OpenCrc");
    crc_ = static_cast<uint32_t>(crc32(0L, Z_NULL, 0));
}

void RecordingZipWriter::CrcBytes(std::span<const unsigned char> bytes)
{
    script_->timeline.push_back("CrcBytes(" + std::to_string(bytes.size()) + ")");
    crc_ = static_cast<uint32_t>(crc32(crc_, bytes.data(), static_cast<uInt>(bytes.size())));
}

int32_t RecordingZipWriter::CloseCrc()
{
    script_->timeline.push_back("CloseCrc");
    return static_cast<int32_t>(crc_);
}

bool RecordingZipWriter::OpenZip(const std::string&, int32_t appendMode)
{
    script_->timeline.push_back("OpenZip(" + std::to_string(appendMode) + ")");
    if (archiveOpen_) {
        result_ = -667;
        return true;
    }
    if (scripted("OpenZip"))
        return true;
    archiveOpen_ = true;
    result_ = 0;
    return false;
}

bool RecordingZipWriter::OpenFileInZip(const std::string& fileName, int32_t zMethod, int32_t, int32_t,
                                       const std::string&, double, const std::string& password,
                                       int32_t crc, uint64_t expectedSize, const std::optional<FileTimes>&)
{
    std::string call = "OpenFileInZip(" + fileName;
    if (!password.empty()) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%08x", static_cast<uint32_t>(crc));
        call += std::string(", crc=") + hex;
    }
    return openEntry(call + ")", fileName, expectedSize, false, zMethod);
}

bool RecordingZipWriter::OpenRawFileInZip(const std::string& fileName, int32_t zMethod, int32_t, int32_t,
                                          const std::string&, double, const std::string& password, int32_t crc,
                                          uint64_t expectedSize, const std::optional<FileTimes>&)
{
    std::string call = (script_->rawAsData ? "OpenFileInZip(" : "OpenRawFileInZip(") + fileName;
    if (!password.empty()) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%08x", static_cast<uint32_t>(crc));
        call += std::string(", crc=") + hex;
    }
    return openEntry(call + ")", fileName, expectedSize, true, zMethod);
}

bool RecordingZipWriter::openEntry(const std::string& call, const std::string& fileName, uint64_t expectedSize,
                                   bool raw, int32_t zMethod)
{
    script_->timeline.push_back(call);
    if (!archiveOpen_) {
        result_ = -666;
        return true;
    }
    if (entryOpen_) {
        result_ = -667;
        return true;
    }
    // Both opens fail alike when a test scripts a failure of "OpenFileInZip".
    if (scripted("OpenFileInZip"))
        return true;
    entryOpen_ = true;
    entryRaw_ = raw;
    inflater_.reset();
    if (raw && zMethod == 8 && script_->rawAsData) {
        inflater_ = {new z_stream{}, [](z_stream* z) {
                         inflateEnd(z);
                         delete z;
                     }};
        inflateInit2(inflater_.get(), -MAX_WBITS);
    }
    entryName_ = fileName;
    script_->entries[fileName].clear();
    script_->bytesWritten[fileName] = 0;
    script_->expectedSizes[fileName] = expectedSize;
    script_->rawEntries[fileName] = raw;
    result_ = 0;
    return false;
}

bool RecordingZipWriter::WriteBytes(std::span<const unsigned char> bytes)
{
    std::string inflated;
    if (inflater_ && !inflatePiece(bytes, inflated))
        inflated = "<not deflate data>";
    std::span<const unsigned char> data = inflater_ ? std::span<const unsigned char>(
                                                          reinterpret_cast<const unsigned char*>(inflated.data()),
                                                          inflated.size())
                                                    : bytes;
    if (!inflater_ || !data.empty())
        script_->timeline.push_back("WriteBytes(" + std::to_string(data.size()) + ")");
    if (!archiveOpen_ || !entryOpen_) {
        result_ = -666;
        return true;
    }
    if (scripted("WriteBytes"))
        return true;
    if (script_->keepData)
        script_->entries[entryName_].append(reinterpret_cast<const char*>(data.data()), data.size());
    script_->bytesWritten[entryName_] += data.size();
    result_ = 0;
    return false;
}

bool RecordingZipWriter::CloseFileInZip()
{
    script_->timeline.push_back("CloseFileInZip");
    if (!entryOpen_) {
        result_ = -666;
        return true;
    }
    if (entryRaw_) {
        result_ = -102;
        return true;
    }
    // As the real writer: a failed close is reported, and the entry is gone.
    entryOpen_ = false;
    if (scripted("CloseFileInZip"))
        return true;
    result_ = 0;
    return false;
}

bool RecordingZipWriter::CloseRawFileInZip(uint64_t uncompressedSize, int32_t crc)
{
    script_->timeline.push_back(script_->rawAsData ? std::string("CloseFileInZip")
                                                   : "CloseRawFileInZip(" + std::to_string(uncompressedSize) + ")");
    if (!entryOpen_) {
        result_ = -666;
        return true;
    }
    if (!entryRaw_) {
        result_ = -102;
        return true;
    }
    // Both closes fail alike when a test scripts a failure of "CloseFileInZip".
    entryOpen_ = false;
    inflater_.reset();
    if (scripted("CloseFileInZip"))
        return true;
    script_->rawCloses[entryName_] = {uncompressedSize, static_cast<uint32_t>(crc)};
    result_ = 0;
    return false;
}

bool RecordingZipWriter::CloseZip()
{
    script_->timeline.push_back("CloseZip");
    if (script_->duringCloseZip)
        script_->duringCloseZip();
    if (!archiveOpen_) {
        result_ = -666;
        return true;
    }
    // As the real writer: the archive is let go whether or not its close worked.
    entryOpen_ = false;
    archiveOpen_ = false;
    if (scripted("CloseZip"))
        return true;
    result_ = 0;
    return false;
}

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

int RecordingZipWriter::scripted(const std::string& call)
{
    systemError_.clear();
    if (auto it = script_->failNext.find(call); it != script_->failNext.end()) {
        result_ = it->second;
        script_->failNext.erase(it);
        if (auto err = script_->failErrno.find(call); err != script_->failErrno.end()) {
            systemError_ = std::error_code(err->second, std::system_category());
            script_->failErrno.erase(err);
        }
        return 1;
    }
    if (auto it = script_->failQuietlyNext.find(call); it != script_->failQuietlyNext.end()) {
        result_ = it->second;
        script_->failQuietlyNext.erase(it);
        return 2;
    }
    return 0;
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

bool RecordingZipWriter::OpenFileInZip(const std::string& fileName, int32_t, int32_t, int32_t,
                                       const std::string&, double, const std::string& password,
                                       int32_t crc, uint64_t expectedSize)
{
    std::string call = "OpenFileInZip(" + fileName;
    if (!password.empty()) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%08x", static_cast<uint32_t>(crc));
        call += std::string(", crc=") + hex;
    }
    return openEntry(call + ")", fileName, expectedSize, false);
}

bool RecordingZipWriter::OpenRawFileInZip(const std::string& fileName, int32_t, int32_t, int32_t,
                                          const std::string&, double, const std::string& password, int32_t crc,
                                          uint64_t expectedSize)
{
    std::string call = "OpenRawFileInZip(" + fileName;
    if (!password.empty()) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%08x", static_cast<uint32_t>(crc));
        call += std::string(", crc=") + hex;
    }
    return openEntry(call + ")", fileName, expectedSize, true);
}

bool RecordingZipWriter::openEntry(const std::string& call, const std::string& fileName, uint64_t expectedSize,
                                   bool raw)
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
    script_->timeline.push_back("WriteBytes(" + std::to_string(bytes.size()) + ")");
    if (!archiveOpen_ || !entryOpen_) {
        result_ = -666;
        return true;
    }
    if (scripted("WriteBytes"))
        return true;
    if (script_->keepData)
        script_->entries[entryName_].append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    script_->bytesWritten[entryName_] += bytes.size();
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
    if (int failure = scripted("CloseFileInZip"))
        return failure == 1;
    entryOpen_ = false;
    result_ = 0;
    return false;
}

bool RecordingZipWriter::CloseRawFileInZip(uint64_t uncompressedSize, int32_t crc)
{
    script_->timeline.push_back("CloseRawFileInZip(" + std::to_string(uncompressedSize) + ")");
    if (!entryOpen_) {
        result_ = -666;
        return true;
    }
    if (!entryRaw_) {
        result_ = -102;
        return true;
    }
    // Both closes fail alike when a test scripts a failure of "CloseFileInZip".
    if (int failure = scripted("CloseFileInZip"))
        return failure == 1;
    script_->rawCloses[entryName_] = {uncompressedSize, static_cast<uint32_t>(crc)};
    entryOpen_ = false;
    result_ = 0;
    return false;
}

bool RecordingZipWriter::CloseZip()
{
    script_->timeline.push_back("CloseZip");
    if (!archiveOpen_) {
        result_ = -666;
        return true;
    }
    if (int failure = scripted("CloseZip"))
        return failure == 1;
    entryOpen_ = false;
    archiveOpen_ = false;
    result_ = 0;
    return false;
}

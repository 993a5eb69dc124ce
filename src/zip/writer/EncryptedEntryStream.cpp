#include "EncryptedEntryStream.h"

#include <algorithm>
#include <array>

namespace {

constexpr size_t kOutSize = 64 * 1024;
// zlib counts input in 32-bit units; larger spans are fed in pieces.
constexpr size_t kMaxPiece = 1u << 30;

}  // namespace

EncryptedEntryStream::EncryptedEntryStream(std::string_view password, uint32_t crc)
    : cipher_(password), crc_(crc), out_(kOutSize)
{
}

EncryptedEntryStream::~EncryptedEntryStream()
{
    if (streamReady_)
        deflateEnd(&stream_);
}

int EncryptedEntryStream::Init(int method, int level)
{
    if (method == 0)
        return ZIP_OK;
    if (method != Z_DEFLATED)
        return ZIP_PARAMERROR;
    const int err = deflateInit2(&stream_, level, Z_DEFLATED, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY);
    if (err != Z_OK)
        return err;
    streamReady_ = true;
    deflating_ = true;
    return ZIP_OK;
}

int EncryptedEntryStream::Begin(zipFile archive)
{
    std::array<unsigned char, 12> header{};
    if (!cipher_.MakeHeader(crc_, header))
        return ZIP_ERRNO;
    // Already encrypted by MakeHeader.
    return zipWriteInFileInZip(archive, header.data(), static_cast<unsigned>(header.size()));
}

int EncryptedEntryStream::emit(zipFile archive, unsigned char* data, size_t size)
{
    if (size == 0)
        return ZIP_OK;
    cipher_.Encrypt(std::span<unsigned char>(data, size));
    return zipWriteInFileInZip(archive, data, static_cast<unsigned>(size));
}

int EncryptedEntryStream::pump(zipFile archive, int flush)
{
    for (;;) {
        stream_.next_out = out_.data();
        stream_.avail_out = static_cast<uInt>(out_.size());
        const int err = deflate(&stream_, flush);
        if (err != Z_OK && err != Z_STREAM_END && err != Z_BUF_ERROR)
            return err;
        const int written = emit(archive, out_.data(), out_.size() - stream_.avail_out);
        if (written != ZIP_OK)
            return written;
        if (flush == Z_FINISH ? err == Z_STREAM_END : (stream_.avail_in == 0 && stream_.avail_out != 0))
            return ZIP_OK;
    }
}

int EncryptedEntryStream::Write(zipFile archive, std::span<const unsigned char> bytes)
{
    while (!bytes.empty()) {
        const size_t piece = std::min(bytes.size(), deflating_ ? kMaxPiece : kOutSize);
        actualCrc_ = static_cast<uint32_t>(crc32(actualCrc_, bytes.data(), static_cast<uInt>(piece)));
        uncompressed_ += piece;
        int err;
        if (deflating_) {
            stream_.next_in = const_cast<Bytef*>(bytes.data());
            stream_.avail_in = static_cast<uInt>(piece);
            err = pump(archive, Z_NO_FLUSH);
        } else {
            std::copy_n(bytes.data(), piece, out_.data());
            err = emit(archive, out_.data(), piece);
        }
        if (err != ZIP_OK)
            return err;
        bytes = bytes.subspan(piece);
    }
    return ZIP_OK;
}

int EncryptedEntryStream::Finish(zipFile archive)
{
    if (!deflating_)
        return ZIP_OK;
    stream_.next_in = nullptr;
    stream_.avail_in = 0;
    return pump(archive, Z_FINISH);
}

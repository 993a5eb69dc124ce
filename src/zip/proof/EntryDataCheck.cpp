#include "EntryDataCheck.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <optional>

#include "TraditionalDecryption.h"

using What = ProofFault::What;

// The entry's stored bytes in order, decrypted where it is encrypted.
class EntryDataCheck::Source {
public:
    Source(ArchiveBytes& bytes, uint64_t at, uint64_t size) : bytes_(bytes), at_(at), left_(size) {}

    // Reads the encryption header and checks its last byte against the CRC.
    Result<void, What> Decrypt(const std::string& password, uint32_t crc)
    {
        if (left_ < TraditionalDecryption::kHeaderSize)
            return Fault<What>{What::DataDamaged};
        cipher_.emplace(password);
        unsigned char header[TraditionalDecryption::kHeaderSize];
        if (const auto read = Take(header, sizeof header); !read)
            return read;
        return header[sizeof header - 1] == static_cast<unsigned char>(crc >> 24)
                   ? Result<void, What>()
                   : Fault<What>{What::PasswordDiffers};
    }
    uint64_t Left() const { return left_; }
    Result<void, What> Take(unsigned char* out, size_t size)
    {
        if (size > left_ || !bytes_.Read(at_, out, size))
            return Fault<What>{bytes_.Error() ? What::Unreadable : What::DataDamaged, bytes_.Error()};
        if (cipher_)
            cipher_->Decrypt(out, size);
        at_ += size;
        left_ -= size;
        return {};
    }

private:
    ArchiveBytes& bytes_;
    uint64_t at_;
    uint64_t left_;
    std::optional<TraditionalDecryption> cipher_;
};

EntryDataCheck::EntryDataCheck() : decompressor_(libdeflate_alloc_decompressor()) {}

EntryDataCheck::~EntryDataCheck()
{
    libdeflate_free_decompressor(decompressor_);
}

unsigned char* EntryDataCheck::input(size_t size)
{
    if (size > inputSize_ || !input_) {
        inputSize_ = std::max<size_t>(size, 1);
        input_.reset(new unsigned char[inputSize_]);
    }
    return input_.get();
}

unsigned char* EntryDataCheck::output(size_t size)
{
    if (size > outputSize_ || !output_) {
        outputSize_ = std::max<size_t>(size, 1);
        output_.reset(new unsigned char[outputSize_]);
    }
    return output_.get();
}

Result<void, What> EntryDataCheck::Prove(ArchiveBytes& bytes, const EntryHeader& header, const std::string* password)
{
    Source source(bytes, header.dataAt, header.compressed);
    if (password != nullptr)
        if (const auto decrypted = source.Decrypt(*password, header.crc); !decrypted)
            return decrypted;
    uint32_t crc = 0;
    Result<void, What> read = header.method == 0 ? stored(source, header, crc)
                              : header.uncompressed <= kWholeLimit && source.Left() <= kWholeLimit
                                  ? whole(source, header, crc)
                                  : streamed(source, header, crc);
    if (!read)
        return read;
    return crc == header.crc ? Result<void, What>() : Fault<What>{What::CrcDiffers};
}

Result<void, What> EntryDataCheck::stored(Source& source, const EntryHeader& header, uint32_t& crc)
{
    if (source.Left() != header.uncompressed)
        return Fault<What>{What::SizeDiffers};
    unsigned char* piece = input(kPiece);
    while (source.Left() > 0) {
        const size_t size = static_cast<size_t>(std::min<uint64_t>(source.Left(), kPiece));
        if (const auto taken = source.Take(piece, size); !taken)
            return taken;
        crc = libdeflate_crc32(crc, piece, size);
    }
    return {};
}

Result<void, What> EntryDataCheck::whole(Source& source, const EntryHeader& header, uint32_t& crc)
{
    if (decompressor_ == nullptr)
        return streamed(source, header, crc);
    const size_t inSize = static_cast<size_t>(source.Left());
    const size_t outSize = static_cast<size_t>(header.uncompressed);
    unsigned char* in = input(inSize);
    unsigned char* out = output(outSize);
    if (const auto taken = source.Take(in, inSize); !taken)
        return taken;
    size_t usedIn = 0, madeOut = 0;
    const libdeflate_result result =
        libdeflate_deflate_decompress_ex(decompressor_, in, inSize, out, outSize, &usedIn, &madeOut);
    if (result == LIBDEFLATE_INSUFFICIENT_SPACE)
        return Fault<What>{What::SizeDiffers};
    if (result != LIBDEFLATE_SUCCESS || usedIn != inSize)
        return Fault<What>{What::DataDamaged};
    if (madeOut != outSize)
        return Fault<What>{What::SizeDiffers};
    crc = libdeflate_crc32(0, out, outSize);
    return {};
}

Result<void, What> EntryDataCheck::streamed(Source& source, const EntryHeader& header, uint32_t& crc)
{
    z_stream zs{};
    if (inflateInit2(&zs, -MAX_WBITS) != Z_OK)
        return Fault<What>{What::DataDamaged};
    unsigned char* in = input(kPiece);
    unsigned char* out = output(kPiece);
    uint64_t made = 0;
    Result<void, What> outcome;
    for (int ret = Z_OK; ret != Z_STREAM_END;) {
        if (zs.avail_in == 0) {
            const size_t size = static_cast<size_t>(std::min<uint64_t>(source.Left(), kPiece));
            if (size == 0) {
                outcome = Fault<What>{What::DataDamaged};  // the stream goes on past the entry's data
                break;
            }
            if (outcome = source.Take(in, size); !outcome)
                break;
            zs.next_in = in;
            zs.avail_in = static_cast<uInt>(size);
        }
        zs.next_out = out;
        zs.avail_out = static_cast<uInt>(kPiece);
        ret = inflate(&zs, Z_NO_FLUSH);
        if (ret != Z_OK && ret != Z_STREAM_END && !(ret == Z_BUF_ERROR && zs.avail_in == 0)) {
            outcome = Fault<What>{What::DataDamaged};
            break;
        }
        const size_t got = kPiece - zs.avail_out;
        made += got;
        if (made > header.uncompressed) {
            outcome = Fault<What>{What::SizeDiffers};
            break;
        }
        crc = libdeflate_crc32(crc, out, got);
    }
    const bool unread = zs.avail_in != 0 || source.Left() != 0;
    inflateEnd(&zs);
    if (!outcome)
        return outcome;
    if (unread)
        return Fault<What>{What::DataDamaged};  // bytes after the stream's end
    return made == header.uncompressed ? Result<void, What>() : Fault<What>{What::SizeDiffers};
}

#include "EntryInflater.h"

#include <libdeflate.h>

#include <algorithm>

using What = ProofFault::What;

EntryInflater::EntryInflater(uint64_t dataAt, const std::string* password) : at_(dataAt)
{
    ready_ = inflateInit2(&stream_, -MAX_WBITS) == Z_OK;
    if (password != nullptr) {
        cipher_.emplace(*password);
        headerLeft_ = TraditionalDecryption::kHeaderSize;
    }
}

EntryInflater::~EntryInflater()
{
    if (ready_)
        inflateEnd(&stream_);
}

Result<void, What> EntryInflater::Feed(ArchiveBytes& bytes, uint64_t limit)
{
    if (!ready_)
        return Fault<What>{What::DataDamaged};
    limit = std::min(limit, bytes.Size());
    if (headerLeft_ > 0) {
        if (limit < at_ + headerLeft_)
            return {};
        unsigned char header[TraditionalDecryption::kHeaderSize];
        if (!bytes.Read(at_, header, headerLeft_))
            return Fault<What>{bytes.Error() ? What::Unreadable : What::DataDamaged, bytes.Error()};
        cipher_->Decrypt(header, headerLeft_);
        checkByte_ = header[headerLeft_ - 1];
        at_ += headerLeft_;
        headerLeft_ = 0;
    }
    while (!ended_ && at_ < limit) {
        const size_t size = static_cast<size_t>(std::min<uint64_t>(limit - at_, kPiece));
        if (!bytes.Read(at_, input_, size))
            return Fault<What>{bytes.Error() ? What::Unreadable : What::DataDamaged, bytes.Error()};
        if (cipher_)
            cipher_->Decrypt(input_, size);
        stream_.next_in = input_;
        stream_.avail_in = static_cast<uInt>(size);
        while (stream_.avail_in > 0 && !ended_) {
            stream_.next_out = output_;
            stream_.avail_out = static_cast<uInt>(kPiece);
            const int ret = inflate(&stream_, Z_NO_FLUSH);
            if (ret != Z_OK && ret != Z_STREAM_END && ret != Z_BUF_ERROR)
                return Fault<What>{What::DataDamaged};
            const size_t got = kPiece - stream_.avail_out;
            crc_ = libdeflate_crc32(crc_, output_, got);
            made_ += got;
            ended_ = ret == Z_STREAM_END;
            if (ret == Z_BUF_ERROR && got == 0)
                break;
        }
        // Bytes after the stream's end were read but are not the entry's.
        at_ += size - (ended_ ? stream_.avail_in : 0);
        if (ended_)
            endAt_ = at_;
        else if (stream_.avail_in > 0)
            return Fault<What>{What::DataDamaged};
    }
    return {};
}

Result<void, What> EntryInflater::Check(const EntryHeader& header) const
{
    const uint64_t dataEnd = header.dataAt + header.compressed;
    if (cipher_ && (header.compressed < TraditionalDecryption::kHeaderSize))
        return Fault<What>{What::DataDamaged};
    if (cipher_ && checkByte_ != static_cast<unsigned char>(header.crc >> 24))
        return Fault<What>{What::PasswordDiffers};
    if (!ended_ || endAt_ != dataEnd)
        return Fault<What>{What::DataDamaged};
    if (made_ != header.uncompressed)
        return Fault<What>{What::SizeDiffers};
    return crc_ == header.crc ? Result<void, What>() : Fault<What>{What::CrcDiffers};
}

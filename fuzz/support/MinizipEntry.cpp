#include "MinizipEntry.h"

#include <zlib.h>

#include <vector>

#include "TraditionalDecryption.h"

namespace {

std::optional<std::string> readAll(unzFile zip)
{
    std::string out;
    std::vector<char> buffer(65536);
    int got;
    while ((got = unzReadCurrentFile(zip, buffer.data(), static_cast<unsigned>(buffer.size()))) > 0)
        out.append(buffer.data(), static_cast<size_t>(got));
    const int closed = unzCloseCurrentFile(zip);
    if (got < 0 || closed != UNZ_OK)
        return std::nullopt;
    return out;
}

std::optional<std::string> inflateRaw(const std::string& data)
{
    z_stream zs{};
    if (inflateInit2(&zs, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    std::string out;
    std::vector<unsigned char> buffer(65536);
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    zs.avail_in = static_cast<uInt>(data.size());
    int ret = Z_OK;
    while (ret == Z_OK) {
        zs.next_out = buffer.data();
        zs.avail_out = static_cast<uInt>(buffer.size());
        ret = inflate(&zs, Z_NO_FLUSH);
        out.append(reinterpret_cast<char*>(buffer.data()), buffer.size() - zs.avail_out);
    }
    const bool whole = ret == Z_STREAM_END && zs.avail_in == 0;
    inflateEnd(&zs);
    return whole ? std::optional<std::string>(out) : std::nullopt;
}

}  // namespace

std::optional<std::string> readCurrentEntry(unzFile zip, const std::string& password)
{
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return std::nullopt;
    if ((info.flag & 1) == 0)
        return unzOpenCurrentFile(zip) == UNZ_OK ? readAll(zip) : std::nullopt;
    int method = 0, level = 0;
    if (unzOpenCurrentFile2(zip, &method, &level, 1) != UNZ_OK)
        return std::nullopt;
    std::optional<std::string> raw = readAll(zip);
    if (!raw || raw->size() < TraditionalDecryption::kHeaderSize)
        return std::nullopt;
    TraditionalDecryption cipher(password);
    cipher.Decrypt(reinterpret_cast<unsigned char*>(raw->data()), raw->size());
    std::string data = raw->substr(TraditionalDecryption::kHeaderSize);
    if ((*raw)[TraditionalDecryption::kHeaderSize - 1] != static_cast<char>(info.crc >> 24))
        return std::nullopt;
    std::optional<std::string> out = method == 0 ? std::optional<std::string>(data) : inflateRaw(data);
    if (!out || crc32(0, reinterpret_cast<const Bytef*>(out->data()), static_cast<uInt>(out->size())) != info.crc)
        return std::nullopt;
    return out;
}

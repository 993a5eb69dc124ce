#include "DeflatedEntryForm.h"

#include <zlib.h>

#include <sstream>
#include <string>

#include "Process.h"

size_t zlibSize(const std::string& bytes, int level)
{
    z_stream s{};
    deflateInit2(&s, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&s, uLong(bytes.size())), '\0');
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    s.avail_in = uInt(bytes.size());
    s.next_out = reinterpret_cast<Bytef*>(out.data());
    s.avail_out = uInt(out.size());
    deflate(&s, Z_FINISH);
    const size_t size = s.total_out;
    deflateEnd(&s);
    return size;
}

std::pair<int, size_t> storedForm(const std::filesystem::path& archive, int index)
{
    const ProcessResult r = runProcess(
        {"python3", "-c",
         "import sys, zipfile\ni = zipfile.ZipFile(sys.argv[1]).infolist()[int(sys.argv[2])]\n"
         "print(i.compress_type, i.compress_size)",
         archive.string(), std::to_string(index)});
    std::istringstream words(r.out);
    std::pair<int, size_t> form{-1, 0};
    words >> form.first >> form.second;
    return form;
}

std::string storedBytes(const std::filesystem::path& archive, int index)
{
    const ProcessResult r = runProcess(
        {"python3", "-c",
         "import struct, sys, zipfile\n"
         "i = zipfile.ZipFile(sys.argv[1]).infolist()[int(sys.argv[2])]\n"
         "f = open(sys.argv[1], 'rb')\nf.seek(i.header_offset)\nh = f.read(30)\n"
         "f.seek(i.header_offset + 30 + struct.unpack('<H', h[26:28])[0] + struct.unpack('<H', h[28:30])[0])\n"
         "sys.stdout.write(f.read(i.compress_size).hex())",
         archive.string(), std::to_string(index)});
    std::string bytes;
    for (size_t at = 0; at + 1 < r.out.size(); at += 2)
        bytes += static_cast<char>(std::stoi(r.out.substr(at, 2), nullptr, 16));
    return bytes;
}

#include "ArchiveReader.h"

#include "Process.h"

#include <gtest/gtest.h>

UnzipCheck unzipTest(const std::filesystem::path& archive, const std::string& password)
{
    std::vector<std::string> argv{"unzip"};
    if (!password.empty()) {
        argv.push_back("-P");
        argv.push_back(password);
    }
    argv.push_back("-t");
    argv.push_back(archive.string());
    ProcessResult r = runProcess(argv);
    return UnzipCheck{r.exitCode == 0, r.out};
}

// The script prints, per entry, the name and contents as hex on one line.
static const char* kPyReader = R"PY(
import sys, zipfile
path, pwd = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(path) as z:
    if pwd:
        z.setpassword(pwd.encode())
    for info in z.infolist():
        data = z.read(info)
        print(info.filename.encode('utf-8', 'surrogateescape').hex(), data.hex())
)PY";

PyZipRead pythonReadZip(const std::filesystem::path& archive, const std::string& password)
{
    PyZipRead result;
    ProcessResult r = runProcess({"python3", "-c", kPyReader, archive.string(), password});
    if (r.exitCode != 0) {
        result.error = r.out;
        return result;
    }
    auto unhex = [](const std::string& hex) {
        std::string bytes;
        for (size_t i = 0; i + 1 < hex.size(); i += 2)
            bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
        return bytes;
    };
    size_t pos = 0;
    while (pos < r.out.size()) {
        size_t eol = r.out.find('\n', pos);
        if (eol == std::string::npos)
            eol = r.out.size();
        std::string line = r.out.substr(pos, eol - pos);
        pos = eol + 1;
        size_t space = line.find(' ');
        if (space == std::string::npos)
            result.entries[unhex(line)] = {};
        else
            result.entries[unhex(line.substr(0, space))] = unhex(line.substr(space + 1));
    }
    result.ok = true;
    return result;
}

std::map<std::string, std::string> entriesReadBack(const std::filesystem::path& archive)
{
    const UnzipCheck check = unzipTest(archive);
    EXPECT_TRUE(check.ok) << check.output;
    const PyZipRead read = pythonReadZip(archive);
    EXPECT_TRUE(read.ok) << read.error;
    return read.entries;
}

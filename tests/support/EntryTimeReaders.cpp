#include "EntryTimeReaders.h"

#include "Process.h"

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <regex>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string utcText(int64_t seconds)
{
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm tm{};
    gmtime_r(&time, &tm);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &tm);
    return text;
}

EntryTimes extractedTimes(const fs::path& into)
{
    EntryTimes times;
    for (const auto& file : fs::directory_iterator(into)) {
        struct stat st {};
        EXPECT_EQ(::stat(file.path().c_str(), &st), 0) << file.path();
        times[file.path().filename().string()] = utcText(st.st_mtim.tv_sec);
    }
    return times;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

const char* const kGoReader = R"GO(package main

import (
	"archive/zip"
	"fmt"
	"os"
	"time"
)

func main() {
	r, err := zip.OpenReader(os.Args[1])
	if err != nil {
		fmt.Println("error:", err)
		os.Exit(1)
	}
	for _, f := range r.File {
		fmt.Println(f.Modified.UTC().Format(time.RFC3339Nano), f.Name)
	}
}
)GO";

// Per entry: name, then the local and central extra field ids and time
// fields, then the time values read from the central header.
const char* const kPythonFields = R"PY(
import struct, sys, zipfile
def fields(extra):
    out = []
    at = 0
    while at + 4 <= len(extra):
        tag, size = struct.unpack_from('<HH', extra, at)
        out.append((tag, extra[at:at + 4 + size]))
        at += 4 + size
    return out
def timeHex(found):
    return ''.join(raw.hex() for tag, raw in found if tag in (0x5455, 0x000A)) or '-'
with open(sys.argv[1], 'rb') as f:
    data = f.read()
for info in zipfile.ZipFile(sys.argv[1]).infolist():
    at = info.header_offset
    nameLength, extraLength = struct.unpack_from('<HH', data, at + 26)
    local = fields(data[at + 30 + nameLength:at + 30 + nameLength + extraLength])
    central = fields(info.extra)
    ut = nt = '-'
    for tag, raw in central:
        if tag == 0x5455:
            ut = str(struct.unpack_from('<I', raw, 5)[0])
        if tag == 0x000A:
            nt = '%d,%d,%d' % struct.unpack_from('<QQQ', raw, 12)
    print(info.filename, ','.join('%04x' % t for t, r in local), ','.join('%04x' % t for t, r in central),
          timeHex(local), timeHex(central), ut, nt)
)PY";

}  // namespace

EntryTimes unzipExtractedTimes(const fs::path& archive, const fs::path& into)
{
    fs::create_directories(into);
    const ProcessResult r = runProcess({"unzip", "-qq", "-o", archive.string(), "-d", into.string()});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    return extractedTimes(into);
}

EntryTimes bsdtarExtractedTimes(const fs::path& archive, const fs::path& into)
{
    fs::create_directories(into);
    const ProcessResult r = runProcess({"bsdtar", "-xf", archive.string(), "-C", into.string()});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    return extractedTimes(into);
}

EntryTimes sevenZipExtractedTimes(const fs::path& archive, const fs::path& into)
{
    fs::create_directories(into);
    const ProcessResult r = runProcess({"7z", "x", "-y", "-o" + into.string(), archive.string()});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    return extractedTimes(into);
}

EntryTimes sevenZipListedTimes(const fs::path& archive, const std::string& zone)
{
    const ProcessResult r = runProcess({"env", "TZ=" + zone, "7z", "l", "-slt", archive.string()});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EntryTimes times;
    std::string path;
    for (const std::string& line : lines(r.out)) {
        if (line.rfind("Path = ", 0) == 0)
            path = line.substr(7);
        else if (line.rfind("Modified = ", 0) == 0 && !path.empty())
            times[path] = line.substr(11, 19);
    }
    times.erase(archive.string());
    return times;
}

EntryTimes goModifiedTimes(const fs::path& archive, const fs::path& work)
{
    fs::create_directories(work);
    const fs::path source = work / "zipdates.go";
    const fs::path program = work / "zipdates";
    if (!fs::exists(program)) {
        std::ofstream(source) << kGoReader;
        const ProcessResult built =
            runProcess({"env", "GOCACHE=" + (work / "cache").string(), "GOPATH=" + (work / "path").string(),
                        "GO111MODULE=off", "GOTOOLCHAIN=local", "GOFLAGS=", "go", "build", "-o", program.string(),
                        source.string()});
        EXPECT_EQ(built.exitCode, 0) << built.out;
    }
    const ProcessResult r = runProcess({program.string(), archive.string()});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EntryTimes times;
    for (const std::string& line : lines(r.out))
        if (const size_t space = line.find(' '); space != std::string::npos)
            times[line.substr(space + 1)] = line.substr(0, space);
    return times;
}

EntryTimes pythonDosTimes(const fs::path& archive)
{
    const ProcessResult r = runProcess(
        {"python3", "-c",
         "import sys, zipfile\n"
         "for i in zipfile.ZipFile(sys.argv[1]).infolist():\n"
         "    print('%04d-%02d-%02d %02d:%02d:%02d' % i.date_time, i.filename)\n",
         archive.string()});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EntryTimes times;
    for (const std::string& line : lines(r.out))
        if (line.size() > 20)
            times[line.substr(20)] = line.substr(0, 19);
    return times;
}

std::map<std::string, TimeFields> pythonTimeFields(const fs::path& archive)
{
    const ProcessResult r = runProcess({"python3", "-c", kPythonFields, archive.string()});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    std::map<std::string, TimeFields> found;
    static const std::regex line(R"((\S+) ([0-9a-f,]*) ([0-9a-f,]*) (\S+) (\S+) (\S+) (\S+))");
    auto ids = [](const std::string& list) {
        std::vector<int> out;
        std::istringstream in(list);
        for (std::string id; std::getline(in, id, ',');)
            out.push_back(std::stoi(id, nullptr, 16));
        return out;
    };
    std::smatch m;
    for (const std::string& text : lines(r.out)) {
        if (!std::regex_match(text, m, line))
            continue;
        TimeFields& fields = found[m[1]];
        fields.localIds = ids(m[2]);
        fields.centralIds = ids(m[3]);
        fields.localHex = m[4] == "-" ? "" : m[4].str();
        fields.centralHex = m[5] == "-" ? "" : m[5].str();
        if (m[6] != "-")
            fields.unixSeconds = std::stoll(m[6]);
        if (m[7] != "-") {
            std::istringstream ticks(m[7]);
            std::string part;
            std::getline(ticks, part, ',');
            fields.ntfsModified = std::stoull(part);
            std::getline(ticks, part, ',');
            fields.ntfsAccessed = std::stoull(part);
            std::getline(ticks, part, ',');
            fields.ntfsCreated = std::stoull(part);
        }
    }
    return found;
}

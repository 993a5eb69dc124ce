#include "EntryTimeReaders.h"

#include "Process.h"

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::string run(const std::vector<std::string>& argv)
{
    const ProcessResult r = runProcess(argv);
    EXPECT_EQ(r.exitCode, 0) << r.out;
    return r.out;
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

// Per entry, one line: name, DOS date, the local and central extra field
// ids and time fields, then the times of the central header's fields.
const char* const kPythonFields = R"PY(
import struct, sys, zipfile
def fields(extra):
    out, at = [], 0
    while at + 4 <= len(extra):
        tag, size = struct.unpack_from('<HH', extra, at)
        out.append((tag, extra[at:at + 4 + size]))
        at += 4 + size
    return out
def ids(found):
    return ','.join('%x' % tag for tag, raw in found) or '-'
def timeHex(found):
    return ''.join(raw.hex() for tag, raw in found if tag in (0x5455, 0x000A)) or '-'
data = open(sys.argv[1], 'rb').read()
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
            nt = '%d %d %d' % struct.unpack_from('<QQQ', raw, 12)
    print(info.filename, '%04d-%02d-%02d_%02d:%02d:%02d' % info.date_time, ids(local), ids(central),
          timeHex(local), timeHex(central), ut, nt)
)PY";

}  // namespace

EntryTimes extractedTimes(Extractor reader, const fs::path& archive, const fs::path& into)
{
    fs::create_directories(into);
    const std::string a = archive.string(), to = into.string();
    run(reader == Extractor::Unzip    ? std::vector<std::string>{"unzip", "-qq", "-o", a, "-d", to}
        : reader == Extractor::Bsdtar ? std::vector<std::string>{"bsdtar", "-xf", a, "-C", to}
                                      : std::vector<std::string>{"7z", "x", "-y", "-o" + to, a});
    EntryTimes times;
    for (const auto& file : fs::directory_iterator(into)) {
        struct stat st {};
        EXPECT_EQ(::stat(file.path().c_str(), &st), 0) << file.path();
        std::tm tm{};
        gmtime_r(&st.st_mtim.tv_sec, &tm);
        char text[40];
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &tm);
        times[file.path().filename().string()] = text;
    }
    return times;
}

EntryTimes sevenZipListedTimes(const fs::path& archive, const std::string& zone)
{
    EntryTimes times;
    std::string path;
    for (const std::string& line : lines(run({"env", "TZ=" + zone, "7z", "l", "-slt", archive.string()}))) {
        if (line.rfind("Path = ", 0) == 0)
            path = line.substr(7);
        else if (line.rfind("Modified = ", 0) == 0)
            times[path] = line.substr(11, 19);
    }
    return times;
}

EntryTimes goModifiedTimes(const fs::path& archive, const fs::path& work)
{
    const fs::path program = work / "zipdates";
    if (!fs::exists(program)) {
        fs::create_directories(work);
        std::ofstream(work / "zipdates.go") << kGoReader;
        // Standard library only: nothing is fetched, whatever the environment says.
        run({"env", "GOCACHE=" + (work / "cache").string(), "GOPATH=" + (work / "path").string(), "GO111MODULE=off",
             "GOTOOLCHAIN=local", "GOFLAGS=", "go", "build", "-o", program.string(), (work / "zipdates.go").string()});
    }
    EntryTimes times;
    for (const std::string& line : lines(run({program.string(), archive.string()})))
        if (const size_t space = line.find(' '); space != std::string::npos)
            times[line.substr(space + 1)] = line.substr(0, space);
    return times;
}

std::map<std::string, TimeFields> pythonTimeFields(const fs::path& archive)
{
    std::map<std::string, TimeFields> found;
    const auto list = [](const std::string& text) {
        std::vector<int> ids;
        std::istringstream in(text == "-" ? "" : text);
        for (std::string id; std::getline(in, id, ',');)
            ids.push_back(std::stoi(id, nullptr, 16));
        return ids;
    };
    for (const std::string& line : lines(run({"python3", "-c", kPythonFields, archive.string()}))) {
        std::istringstream in(line);
        std::string name, local, central, ut, nt;
        TimeFields fields;
        in >> name >> fields.dos >> local >> central >> fields.localHex >> fields.centralHex >> ut >> nt;
        fields.dos[10] = ' ';
        fields.localIds = list(local);
        fields.centralIds = list(central);
        for (std::string* hex : {&fields.localHex, &fields.centralHex})
            if (*hex == "-")
                hex->clear();
        if (ut != "-")
            fields.unixSeconds = std::stoll(ut);
        if (nt != "-") {
            uint64_t accessed = 0, created = 0;
            fields.ntfsModified = std::stoull(nt);
            in >> accessed >> created;
            fields.ntfsAccessed = accessed;
            fields.ntfsCreated = created;
        }
        found[name] = fields;
    }
    return found;
}

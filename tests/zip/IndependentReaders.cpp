#include "IndependentReaders.h"

#include <gtest/gtest.h>

#include "ArchiveReader.h"
#include "Process.h"

namespace {

std::string tail(const std::string& text)
{
    return text.size() > 1500 ? "..." + text.substr(text.size() - 1500) : text;
}

}  // namespace

void expectReadersAgree(const std::filesystem::path& archive, const ExpectedEntries& entries,
                        const std::string& password)
{
    const UnzipCheck unzip = unzipTest(archive, password);
    EXPECT_TRUE(unzip.ok) << tail(unzip.output);

    std::vector<std::string> seven{"7z", "t"};
    if (!password.empty())
        seven.push_back("-p" + password);
    seven.push_back(archive.string());
    const ProcessResult sevenRun = runProcess(seven);
    EXPECT_EQ(sevenRun.exitCode, 0) << tail(sevenRun.out);

    // bsdtar writes every entry's data to standard output, in archive order;
    // a failed check (CRC, password) is an error on standard error.
    std::string script = "bsdtar -xOf \"$1\"" + std::string(password.empty() ? "" : " --passphrase \"$2\"") +
                         " 2>/dev/null || echo BSDTAR-FAILED";
    const ProcessResult tar = runProcess({"sh", "-c", script, "sh", archive.string(), password});
    std::string all;
    for (const auto& entry : entries)
        all += entry.second;
    EXPECT_TRUE(tar.out == all) << "bsdtar read " << tar.out.size() << " bytes, expected " << all.size() << ": "
                                << tail(tar.out);

    const PyZipRead python = pythonReadZip(archive, password);
    ASSERT_TRUE(python.ok) << tail(python.error);
    EXPECT_EQ(python.entries.size(), entries.size());
    for (const auto& [name, bytes] : entries) {
        auto found = python.entries.find(name);
        ASSERT_NE(found, python.entries.end()) << name;
        EXPECT_TRUE(found->second == bytes) << name << ": " << found->second.size() << " bytes read, "
                                            << bytes.size() << " expected";
    }
}

std::string unzipListing(const std::filesystem::path& archive)
{
    return runProcess({"unzip", "-l", archive.string()}).out;
}

std::string sevenZipListing(const std::filesystem::path& archive)
{
    return runProcess({"7z", "l", archive.string()}).out;
}

std::vector<std::string> pythonNames(const std::filesystem::path& archive)
{
    const ProcessResult r = runProcess(
        {"python3", "-c", "import sys, zipfile\nfor n in zipfile.ZipFile(sys.argv[1]).namelist(): print(n)",
         archive.string()});
    std::vector<std::string> names;
    size_t at = 0;
    for (size_t end; (end = r.out.find('\n', at)) != std::string::npos; at = end + 1)
        names.push_back(r.out.substr(at, end - at));
    return names;
}

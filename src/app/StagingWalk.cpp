#include "StagingWalk.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace {

void walk(const fs::path& folder, const std::string& relative, std::vector<StagedEntry>& out, std::error_code& ec)
{
    std::vector<std::string> files;
    std::vector<std::string> folders;
    fs::directory_iterator it(folder, ec);
    if (ec)
        return;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            return;
        const std::string name = it->path().filename().native();
        if (name.empty() || StagingWalk::IsHidden(name))
            continue;
        std::error_code typeError;
        const fs::file_type type = it->symlink_status(typeError).type();
        if (type == fs::file_type::regular)
            files.push_back(name);
        else if (type == fs::file_type::directory)
            folders.push_back(name);
    }
    std::sort(files.begin(), files.end());
    std::sort(folders.begin(), folders.end());
    const std::string prefix = (folder / "").native();
    for (std::string& name : files)
        out.push_back({prefix + name, relative + name});
    for (const std::string& name : folders) {
        walk(folder / name, relative + name + "/", out, ec);
        if (ec)
            return;
    }
}

}  // namespace

Result<std::vector<StagedEntry>, StagingWalk::Failure> StagingWalk::List(const fs::path& folder)
{
    std::error_code ec;
    std::vector<StagedEntry> out;
    walk(folder, {}, out, ec);
    if (ec)
        return Fault<Failure>{Failure::Unreadable, ec};
    return out;
}

#include "RunHandOver.h"

#include "ExtensionList.h"
#include "FoundFilesModel.h"

#include <array>
#include <unordered_set>

const SourceList& RunHandOver::Collect(const FoundFilesModel& files, const QString& row)
{
    const bool all = row == ExtensionList::kAllRow;
    const size_t earlier = list_.size();
    // A row listed under a filter row is known to pass that row and no other,
    // so only rows listed under "All (*.*)" have their names looked at.
    std::array<bool, 256> listedPasses{};
    const QStringList& rows = ExtensionList::Rows();
    for (qsizetype i = 0; i < rows.size() && i < FoundFile::kListedUnderAll; ++i)
        listedPasses[static_cast<size_t>(i)] = rows[i] == row;
    // The run reads the paths where the list keeps them: nothing is copied here.
    list_.Keep(files.Storage());
    list_.Reserve(earlier + static_cast<size_t>(files.Count()));
    std::vector<std::string_view> notMatching;
    files.ForEachShown([&](const FoundFile& file) {
        if (!file.checked)
            return;
        const bool passes = all || (file.listedUnder == FoundFile::kListedUnderAll
                                        ? ExtensionList::Matches(file.fullPath, row)
                                        : listedPasses[file.listedUnder]);
        if (passes) {
            list_.Add(file.fullPath);
            bytes_ += file.size == FoundFile::kUnknownSize ? 0 : file.size;
        } else {
            notMatching.push_back(file.fullPath);
        }
    });
    filteredOut_.clear();
    for (const std::string_view path : handedOverBefore(notMatching, earlier))
        filteredOut_.push_back({.kind = FailureKind::NotOfSelectedType, .path = path, .name = row});
    return list_;
}

std::vector<std::string_view> RunHandOver::handedOverBefore(std::vector<std::string_view> paths, size_t before) const
{
    // A file an earlier press handed over still goes in, whatever the filter
    // says now: those are taken out of `paths`. The smaller side is hashed.
    if (paths.empty() || before == 0)
        return paths;
    const auto earlier = list_.Paths().begin();
    if (paths.size() <= before) {
        std::unordered_set<std::string_view> left(paths.begin(), paths.end());
        for (auto it = earlier; it != earlier + static_cast<std::ptrdiff_t>(before) && !left.empty(); ++it)
            left.erase(*it);
        std::erase_if(paths, [&](std::string_view path) { return !left.count(path); });
    } else {
        const std::unordered_set<std::string_view> handed(earlier, earlier + static_cast<std::ptrdiff_t>(before));
        std::erase_if(paths, [&](std::string_view path) { return handed.count(path) > 0; });
    }
    return paths;
}

void RunHandOver::Undo(Mark before)
{
    list_.Truncate(before.files);
    bytes_ = before.bytes;
    filteredOut_.clear();
}

void RunHandOver::Clear()
{
    list_.Clear();
    bytes_ = 0;
}

std::vector<Failure> RunHandOver::TakeFilteredOut()
{
    std::vector<Failure> taken = std::move(filteredOut_);
    filteredOut_.clear();
    return taken;
}

bool RunHandOver::FitsIn(uint64_t largest) const
{
    // A header and a directory record per entry, a few dozen bytes each beside its name.
    const uint64_t bound = bytes_ + 128 * static_cast<uint64_t>(list_.size());
    return largest == 0 || bound <= largest;
}

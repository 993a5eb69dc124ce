#include "SourceList.h"

#include <algorithm>

SourceList::SourceList(std::vector<std::string> paths)
{
    auto owned = std::make_shared<const std::vector<std::string>>(std::move(paths));
    paths_.reserve(owned->size());
    for (const std::string& path : *owned)
        paths_.push_back(path);
    kept_.push_back(std::move(owned));
}

void SourceList::Keep(const std::shared_ptr<const void>& storage)
{
    if (std::find(kept_.begin(), kept_.end(), storage) == kept_.end())
        kept_.push_back(storage);
}

void SourceList::Clear()
{
    paths_.clear();
    paths_.shrink_to_fit();
    kept_.clear();
}

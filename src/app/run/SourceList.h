#pragma once
// The paths a run stages, as views into storage the list keeps alive. The
// window hands the found-files list's own rows this way, so a million checked
// files reach a run without one path being copied on the window's thread.
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class SourceList {
public:
    SourceList() = default;
    // Owns its own copies (the command line, tests, the bench driver).
    SourceList(std::vector<std::string> paths);
    SourceList(std::initializer_list<std::string> paths) : SourceList(std::vector<std::string>(paths)) {}

    // Keeps `storage` alive as long as this list or a copy of it: the views
    // added next point into it. Storage already kept is not kept twice.
    void Keep(const std::shared_ptr<const void>& storage);
    // `path` must lie in storage this list keeps.
    void Add(std::string_view path) { paths_.push_back(path); }
    void Reserve(size_t count) { paths_.reserve(count); }
    void Clear();
    // Keeps the first `count` paths.
    void Truncate(size_t count)
    {
        if (count < paths_.size())
            paths_.resize(count);
    }

    size_t size() const { return paths_.size(); }
    bool empty() const { return paths_.empty(); }
    std::string_view operator[](size_t i) const { return paths_[i]; }
    const std::vector<std::string_view>& Paths() const { return paths_; }

private:
    std::vector<std::shared_ptr<const void>> kept_;
    std::vector<std::string_view> paths_;
};

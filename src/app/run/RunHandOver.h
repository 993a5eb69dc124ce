#pragma once
// What the presses of Start hand to the run: the run list, to which each
// press adds every checked row of the found-files list that passes the
// selected extension row (only Clear empties it), the listed bytes of its
// files, and the checked rows the last press left out (for the message after
// the run). Needs no window: it reads the list's rows.
#include "Failure.h"
#include "SourceList.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class FoundFilesModel;

class RunHandOver {
public:
    // Where the run list stood before a press, to take that press back.
    struct Mark {
        size_t files = 0;
        uint64_t bytes = 0;
    };

    // Adds this press's files (the rows of `files` checked and passing
    // `row`) and returns the whole run list; the checked rows left out are
    // kept for FilteredOut, those an earlier press handed over excepted.
    const SourceList& Collect(const FoundFilesModel& files, const QString& row);
    // Takes the last press back: nothing of it is handed over.
    void Undo(Mark before);
    void Clear();

    Mark Here() const { return {list_.size(), bytes_}; }
    const SourceList& List() const { return list_; }
    // The listed sizes of the run list's files.
    uint64_t Bytes() const { return bytes_; }
    // The checked rows the last press left out (NotOfSelectedType each).
    const std::vector<Failure>& FilteredOut() const { return filteredOut_; }
    std::vector<Failure> TakeFilteredOut();
    // Whether an archive of the run list can fit in a file of `largest`
    // bytes (0: no limit known), a header and a directory record per entry
    // counted beside the data.
    bool FitsIn(uint64_t largest) const;

private:
    // `paths` without those among the first `before` of the run list.
    std::vector<std::string_view> handedOverBefore(std::vector<std::string_view> paths, size_t before) const;

    SourceList list_;
    uint64_t bytes_ = 0;
    std::vector<Failure> filteredOut_;
};

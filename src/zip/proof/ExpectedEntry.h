#pragma once
// An entry the run wrote, as the proof expects to find it.
#include <cstdint>
#include <string>

struct ExpectedEntry {
    std::string name;      // as queued; the writer stores a backslash as "_"
    std::string password;  // empty: not encrypted
    // The bytes queued: only decides how the entry is read while it is being
    // written (an entry past EntryDataCheck::kWholeLimit is inflated as it
    // goes, a smaller one whole by libdeflate once it is closed).
    uint64_t size = 0;
};

#pragma once
// An entry the run wrote, as the proof expects to find it.
#include <string>

struct ExpectedEntry {
    std::string name;      // as queued; the writer stores a backslash as "_"
    std::string password;  // empty: not encrypted
};

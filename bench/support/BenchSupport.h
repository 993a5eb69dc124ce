#pragma once
// What the benchmarks share: where the corpus lives (generated once, reused by
// later runs), timing helpers, and Info-ZIP's `zip -q -j -6` as the peer.
#include <QElapsedTimer>

#include <filesystem>
#include <string>
#include <vector>

namespace bench {

// The corpus root every benchmark uses unless told otherwise; the parts lie
// in its "corpus" sub-folder.
inline const std::filesystem::path kDefaultCorpusRoot = "/tmp/volarin-corpus";

// "a,b,,c" -> {"a", "b", "c"}.
std::vector<std::string> splitList(const std::string& s);

// Generates the corpus under `root` unless it is already there.
void ensureCorpus(const std::filesystem::path& root);

// The regular files directly in `folder`, sorted.
std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder);

double median(std::vector<double> v);
double seconds(const QElapsedTimer& clock);

// Seconds for `zip -q -j -6 archive` over `files` (names on its stdin);
// negative when zip fails.
double infoZipRun(const std::vector<std::filesystem::path>& files, const std::filesystem::path& archive);

// True when `unzip -tqq` finds the archive sound.
bool unzipTestQuiet(const std::filesystem::path& archive);

}  // namespace bench

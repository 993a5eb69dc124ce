#include "BenchSupport.h"

#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace fs = std::filesystem;

namespace bench {

std::vector<std::string> splitList(const std::string& s)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= s.size()) {
        size_t comma = s.find(',', start);
        if (comma == std::string::npos)
            comma = s.size();
        if (comma > start)
            out.push_back(s.substr(start, comma - start));
        start = comma + 1;
    }
    return out;
}

void ensureCorpus(const fs::path& root)
{
    if (fs::exists(root / "corpus" / "many"))
        return;
    std::printf("generating corpus in %s ...\n", root.c_str());
    std::fflush(stdout);
    fs::create_directories(root);
    const int rc =
        QProcess::execute("python3", {VOLARIN_CORPUS_GENERATOR, QString::fromStdString((root / "corpus").string())});
    if (rc != 0) {
        std::fprintf(stderr, "corpus generator failed (%d)\n", rc);
        std::exit(1);
    }
}

std::vector<fs::path> filesIn(const fs::path& folder)
{
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.is_regular_file())
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double seconds(const QElapsedTimer& clock)
{
    return double(clock.nsecsElapsed()) / 1e9;
}

double infoZipRun(const std::vector<fs::path>& files, const fs::path& archive)
{
    fs::remove(archive);
    std::string names;
    for (const fs::path& f : files)
        names += f.string() + "\n";
    QElapsedTimer clock;
    clock.start();
    QProcess zip;
    zip.start("zip", {"-q", "-j", "-6", QString::fromStdString(archive.string()), "-@"});
    if (!zip.waitForStarted())
        return -1;
    zip.write(names.data(), qint64(names.size()));
    zip.closeWriteChannel();
    zip.waitForFinished(-1);
    const double s = seconds(clock);
    return zip.exitStatus() == QProcess::NormalExit && zip.exitCode() == 0 ? s : -1;
}

bool unzipTestQuiet(const fs::path& archive)
{
    return QProcess::execute("unzip", {"-tqq", QString::fromStdString(archive.string())}) == 0;
}

}  // namespace bench

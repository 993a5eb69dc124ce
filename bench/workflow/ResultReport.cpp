#include "ResultReport.h"

#include "Spread.h"

#include <cstdio>

namespace {

std::string number(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, seconds < 10 ? "%.3f" : "%.2f", seconds);
    return text;
}

std::string cell(const std::vector<double>& seconds)
{
    if (seconds.empty())
        return "-";
    const bench::Spread s = bench::spreadOf(seconds);
    if (!s.valid)
        return "FAILED";
    return number(s.median) + " [" + number(s.min) + "-" + number(s.max) + "]";
}

std::string ratio(const std::vector<double>& ours, const std::vector<double>& theirs)
{
    const bench::Spread a = bench::spreadOf(ours), b = bench::spreadOf(theirs);
    if (!a.valid || !b.valid || b.median <= 0)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.2fx", a.median / b.median);
    return text;
}

// What the proof adds: the proven run's median over the unproven one's.
std::string proofCost(const std::vector<double>& proven, const std::vector<double>& unproven)
{
    const bench::Spread a = bench::spreadOf(proven), b = bench::spreadOf(unproven);
    if (!a.valid || !b.valid || b.median <= 0)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%+.1f%%", (a.median / b.median - 1.0) * 100.0);
    return text;
}

std::string triple(const std::vector<double>& seconds)
{
    const bench::Spread s = bench::spreadOf(seconds);
    if (!s.valid)
        return "-1,-1,-1";
    char text[96];
    std::snprintf(text, sizeof text, "%.6f,%.6f,%.6f", s.median, s.min, s.max);
    return text;
}

std::string megabytes(uintmax_t bytes)
{
    if (bytes == 0)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", double(bytes) / 1e6);
    return text;
}

std::string percentAgainst(uintmax_t ours, uintmax_t theirs)
{
    if (ours == 0 || theirs == 0)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%+.3f%%", (double(ours) / double(theirs) - 1.0) * 100.0);
    return text;
}

}  // namespace

void printTimeHeader()
{
    std::printf("%-7s %6s %8s  %-20s %-20s %7s  %-20s %-20s %-20s %6s %6s %6s %8s %7s  %-20s %-20s %6s %6s  %s\n",
                "part", "files", "MB", "volarin s", "unproven s", "proof", "zip s", "7z s", "bsdtar s", "V/zip", "V/7z",
                "V/bsd", "staged s", "peak MB", "pigz s", "libdeflate s", "V/pigz", "V/ldgz", "check");
}

void printTimeRow(const PartFigures& f)
{
    std::string check = f.completed && f.tested ? "ok" : (!f.completed ? "RUN FAILED" : "UNZIP -T FAILED");
    if (f.messages > 0)
        check += " (" + std::to_string(f.messages) + " messages)";
    const bench::Spread staged = bench::spreadOf(f.staged);
    std::printf("%-7s %6zu %8.1f  %-20s %-20s %7s  %-20s %-20s %-20s %6s %6s %6s %8s %7.1f  %-20s %-20s %6s %6s  %s\n",
                f.part.c_str(), f.files, double(f.bytes) / 1e6, cell(f.volarin).c_str(), cell(f.unproven).c_str(),
                proofCost(f.volarin, f.unproven).c_str(), cell(f.zip).c_str(),
                cell(f.sevenZip).c_str(), cell(f.bsdtar).c_str(), ratio(f.volarin, f.zip).c_str(),
                ratio(f.volarin, f.sevenZip).c_str(), ratio(f.volarin, f.bsdtar).c_str(),
                staged.valid ? number(staged.median).c_str() : "-", double(f.peakKb) / 1024.0, cell(f.pigz).c_str(),
                cell(f.libdeflateGzip).c_str(), ratio(f.volarin, f.pigz).c_str(),
                ratio(f.volarin, f.libdeflateGzip).c_str(), check.c_str());
    std::fflush(stdout);
}

void printSizes(const std::vector<PartFigures>& all)
{
    std::printf("\narchive sizes, MB (1e6 bytes)\n%-7s %12s %12s %12s %12s  %s\n", "part", "volarin", "zip", "7z",
                "bsdtar", "volarin vs zip");
    PartFigures total;
    total.part = "total";
    for (const PartFigures& f : all) {
        std::printf("%-7s %12s %12s %12s %12s  %s\n", f.part.c_str(), megabytes(f.volarinSize).c_str(),
                    megabytes(f.zipSize).c_str(), megabytes(f.sevenZipSize).c_str(), megabytes(f.bsdtarSize).c_str(),
                    percentAgainst(f.volarinSize, f.zipSize).c_str());
        total.volarinSize += f.volarinSize;
        total.zipSize += f.zipSize;
        total.sevenZipSize += f.sevenZipSize;
        total.bsdtarSize += f.bsdtarSize;
    }
    std::printf("%-7s %12s %12s %12s %12s  %s\n\n", "total", megabytes(total.volarinSize).c_str(),
                megabytes(total.zipSize).c_str(), megabytes(total.sevenZipSize).c_str(),
                megabytes(total.bsdtarSize).c_str(), percentAgainst(total.volarinSize, total.zipSize).c_str());
}

void printResultLines(const std::vector<PartFigures>& all, const std::string& label, int cores)
{
    for (const PartFigures& f : all) {
        std::printf("RESULT label=%s part=%s files=%zu bytes=%ju cores=%d a11y=%d ok=%d volarin=%s staged=%s "
                    "after_staged=%s zip=%s 7z=%s bsdtar=%s volarin_size=%ju zip_size=%ju 7z_size=%ju "
                    "bsdtar_size=%ju peak_kb=%ld pigz=%s libdeflate_gzip=%s longest_step_ms=%.1f unproven=%s\n",
                    label.c_str(), f.part.c_str(), f.files, f.bytes, cores, f.accessibility ? 1 : 0,
                    f.completed && f.tested ? 1 : 0, triple(f.volarin).c_str(), triple(f.staged).c_str(),
                    triple(f.afterStaged).c_str(), triple(f.zip).c_str(), triple(f.sevenZip).c_str(),
                    triple(f.bsdtar).c_str(), f.volarinSize, f.zipSize, f.sevenZipSize, f.bsdtarSize, f.peakKb,
                    triple(f.pigz).c_str(), triple(f.libdeflateGzip).c_str(), f.longestStepMs,
                    triple(f.unproven).c_str());
    }
    std::fflush(stdout);
}

#include "SizeText.h"

#include <QCoreApplication>

namespace {

struct Band {
    uint64_t below;  // first size of the next band (0 = no limit)
    uint64_t unit;   // divisor
    int decimals;    // -1: rounded down to an integer
    const char* text; // the number is %1 (bytes: %n, for its plural forms)
};

constexpr uint64_t KiB = 1024ULL;
constexpr uint64_t MiB = KiB * 1024;
constexpr uint64_t GiB = MiB * 1024;
constexpr uint64_t TiB = GiB * 1024;

constexpr Band kBands[] = {
    {KiB, 1, -1, QT_TRANSLATE_N_NOOP("SizeText", "%n bytes")},
    {10 * KiB, KiB, 2, QT_TRANSLATE_NOOP("SizeText", "%1 KB")},
    {100 * KiB, KiB, 1, QT_TRANSLATE_NOOP("SizeText", "%1 KB")},
    {1000 * KiB, KiB, -1, QT_TRANSLATE_NOOP("SizeText", "%1 KB")},
    {10 * MiB, MiB, 2, QT_TRANSLATE_NOOP("SizeText", "%1 MB")},
    {100 * MiB, MiB, 1, QT_TRANSLATE_NOOP("SizeText", "%1 MB")},
    {1000 * MiB, MiB, -1, QT_TRANSLATE_NOOP("SizeText", "%1 MB")},
    {10 * GiB, GiB, 2, QT_TRANSLATE_NOOP("SizeText", "%1 GB")},
    {100 * GiB, GiB, 1, QT_TRANSLATE_NOOP("SizeText", "%1 GB")},
    {1000 * GiB, GiB, -1, QT_TRANSLATE_NOOP("SizeText", "%1 GB")},
    {0, TiB, 2, QT_TRANSLATE_NOOP("SizeText", "%1 TB")},
};

} // namespace

QString SizeText(uint64_t bytes, const QLocale& locale)
{
    const Band* band = &kBands[0];
    for (const Band& b : kBands) {
        band = &b;
        if (b.below == 0 || bytes < b.below)
            break;
    }
    if (band->unit == 1)
        return QCoreApplication::translate("SizeText", band->text, nullptr, static_cast<int>(bytes));
    if (band->decimals < 0)
        return QCoreApplication::translate("SizeText", band->text).arg(bytes / band->unit);

    // Exact integer arithmetic, so 1,152 bytes (1.125 KB) shows 1.13 and never
    // falls to 1.12 through a binary fraction.
    const unsigned __int128 scale = band->decimals == 2 ? 100 : 10;
    const unsigned __int128 scaled = static_cast<unsigned __int128>(bytes) * scale;
    unsigned __int128 quotient = scaled / band->unit;
    if ((scaled % band->unit) * 2 >= band->unit)
        ++quotient;
    const uint64_t whole = static_cast<uint64_t>(quotient / scale);
    const uint64_t fraction = static_cast<uint64_t>(quotient % scale);
    return QCoreApplication::translate("SizeText", band->text)
        .arg(QString::number(whole) + locale.decimalPoint()
             + QString::number(fraction).rightJustified(band->decimals, QLatin1Char('0')));
}

QString UnknownSizeText()
{
    //: The size column of a file whose length could not be read.
    return QCoreApplication::translate("SizeText", "unknown");
}

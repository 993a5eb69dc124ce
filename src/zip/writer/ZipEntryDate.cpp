#include "ZipEntryDate.h"

namespace ZipEntryDate {
namespace {

const OleDate::Fields kFirst{1980, 1, 1, 0, 0, 0};
const OleDate::Fields kLast{2107, 12, 31, 23, 59, 58};
const OleDate::Fields kPastLast{2108, 1, 1, 0, 0, 0};

}  // namespace

OleDate::Fields Clamp(double dateTime)
{
    if (!(dateTime >= OleDate::FromFields(kFirst)))
        return kFirst;
    if (dateTime >= OleDate::FromFields(kPastLast))
        return kLast;
    OleDate::Fields fields = OleDate::ToFields(dateTime);
    // Rounding to whole seconds may still step past the last day.
    return fields.year > 2107 ? kLast : fields;
}

bool OutsideRange(double dateTime)
{
    return dateTime < OleDate::FromFields(kFirst) || dateTime >= OleDate::FromFields(kPastLast);
}

}  // namespace ZipEntryDate

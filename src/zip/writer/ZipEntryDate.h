#pragma once
// The date and time stored with an entry. The ZIP format's DOS date covers
// 1980 to 2107 only; dates outside are pinned to the nearest end rather than
// wrapping round into a wrong year.
#include "OleDate.h"

namespace ZipEntryDate {

// The calendar fields to store for a date-time value (which must not be NaN).
OleDate::Fields Clamp(double dateTime);

// True when Clamp pins the date to an end: a day before 1980 or after 2107.
bool OutsideRange(double dateTime);

}  // namespace ZipEntryDate

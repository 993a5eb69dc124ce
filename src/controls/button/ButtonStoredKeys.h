#pragma once
// The button's stored settings: one table of keys, in their stored order,
// with each key's type and default, read and written through the same entry.
#include "ButtonProperties.h"
#include "PropertyBag.h"

namespace button {

// Every key in order; a missing key gives its default (the caption ""; the
// font the one held now; BCOLO and FCOLO the colour just read for BCOL, FCOL).
void ReadStoredProperties(const PropertyBag& bag, ButtonProperties& props);
// Every key in order, each written every time, except that a picture that is
// not set is not stored (an empty MICON is stored as an empty picture).
void WriteStoredProperties(PropertyBag& bag, const ButtonProperties& props);

} // namespace button

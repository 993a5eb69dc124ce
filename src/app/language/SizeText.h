#pragma once
// The size column's text: bytes, KB, MB, GB or TB by band (the units in the
// user's language), the unit stepping up at 1,000 of the smaller one,
// decimals rounded half away from zero.
#include <QLocale>
#include <QString>
#include <cstdint>

QString SizeText(uint64_t bytes, const QLocale& locale = QLocale());

// What the size column shows when a file's length could not be read.
QString UnknownSizeText();

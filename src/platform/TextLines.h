#pragma once
// The lines DrawText draws a text as: paragraphs split at line ends, access-key
// prefixes taken out and remembered, and words wrapped at a width. Needs no
// image, only the metrics of the font.
#include "DeviceFlags.h"

#include <QFontMetrics>
#include <QString>
#include <cstdint>
#include <vector>

struct TextLine {
    QString text;
    std::vector<int> underlined; // indices into text
};

// One line for DT_SINGLELINE, else one per paragraph, each wrapped at
// `maxWidth` under DT_WORDBREAK.
std::vector<TextLine> LayOutLines(const QString& text, uint32_t flags, int maxWidth, const QFontMetrics& fm);

#include "FontObject.h"

#include <cmath>

FontObject::FontObject(QString name, double size, bool bold, bool italic, bool underline)
    : name_(std::move(name)), size_(size), weight_(bold ? 700 : 400), italic_(italic),
      underline_(underline)
{
}

FontObject FontObject::Default()
{
    return FontObject();
}

int FontObject::PixelSize() const
{
    const double px = std::nearbyint(size_ * 96.0 / 72.0);
    return px < 1 ? 1 : static_cast<int>(px);
}

QFont FontObject::ToQFont() const
{
    QFont font(name_);
    font.setPixelSize(PixelSize());
    font.setWeight(static_cast<QFont::Weight>(weight_ < 1 ? 400 : (weight_ > 1000 ? 1000 : weight_)));
    font.setItalic(italic_);
    font.setUnderline(underline_);
    font.setStrikeOut(strikethrough_);
    // The old raster fonts had no smoothing; without it text also stays the
    // same colour as the text colour, which the two-colour captions rely on.
    font.setStyleStrategy(QFont::NoAntialias);
    // Monochrome glyphs are hinted to whole pixels; their advances must be too,
    // or rounding fractional positions opens gaps inside words ("Brow se").
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

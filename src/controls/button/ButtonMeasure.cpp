#include "ButtonMeasure.h"

#include "DeviceContext.h"

#include <QImage>
#include <memory>

namespace button {

namespace {

struct Scratch {
    QImage image{1, 1, QImage::Format_RGB32};
    DeviceContext dc{image};
};

} // namespace

MeasureText CaptionMeasure(const FontObject& font)
{
    auto scratch = std::make_shared<Scratch>();
    scratch->dc.SelectFont(font);
    return [scratch](const QString& text, const Rect& within) {
        Rect r = within;
        scratch->dc.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK);
        return r;
    };
}

} // namespace button

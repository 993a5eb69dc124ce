#include "AccessKey.h"

namespace button {

QChar AccessKeyOf(const QString& caption)
{
    const QChar amp(QLatin1Char('&'));
    if (caption.size() <= 1)
        return {};
    const qsizetype first = caption.indexOf(amp);
    if (first < 0 || first == caption.size() - 1)
        return {};
    if (caption[first + 1] != amp)
        return caption[first + 1].toLower();
    // A doubled "&&" is a literal ampersand: look once more after it.
    const qsizetype next = caption.indexOf(amp, first + 2);
    if (next < 0 || next == caption.size() - 1 || caption[next + 1] == amp)
        return {};
    return caption[next + 1].toLower();
}

} // namespace button

#pragma once
// A file's name or path set into a sentence of a right-to-left language as
// one unit: wrapped in Unicode's first-strong isolate marks, so its dots and
// slashes stay where its own letters put them and a line that starts with it
// still reads right to left. Left to right the text is left as it is.
#include <QGuiApplication>
#include <QString>

inline QString BidiIsolate(const QString& text)
{
    if (!QGuiApplication::isRightToLeft())
        return text;
    return QChar(0x2068) + text + QChar(0x2069);
}

#include "FormData.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QStringList>
#include <limits>

namespace {

using Controls = std::vector<std::pair<QString, PropertyBag>>;

QString ErrorAt(const QString& source, int line, const QString& message)
{
    return QStringLiteral("%1:%2: %3").arg(source.isEmpty() ? QStringLiteral("form data") : source)
        .arg(line).arg(message);
}

// Reads a quoted string starting at text[pos] == '"'; "" inside stands for one quote.
std::optional<QString> ReadQuoted(const QString& text, int& pos)
{
    QString out;
    ++pos;
    while (pos < text.size()) {
        if (text[pos] == u'"') {
            if (pos + 1 < text.size() && text[pos + 1] == u'"') {
                out += u'"';
                pos += 2;
                continue;
            }
            ++pos;
            return out;
        }
        out += text[pos++];
    }
    return std::nullopt;
}

// Splits "a, b, c" at commas outside quotes.
std::optional<QStringList> SplitArguments(const QString& text)
{
    QStringList parts;
    QString cur;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"')
            quoted = !quoted;
        if (c == u',' && !quoted) {
            parts << cur.trimmed();
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (quoted)
        return std::nullopt;
    if (!cur.trimmed().isEmpty() || !parts.isEmpty())
        parts << cur.trimmed();
    return parts;
}

// The text inside "Name(...)", when `text` has that shape.
std::optional<QString> CallArguments(const QString& text, const QString& name)
{
    if (!text.startsWith(name + u'(', Qt::CaseInsensitive) || !text.endsWith(u')'))
        return std::nullopt;
    return text.mid(name.size() + 1, text.size() - name.size() - 2);
}

bool Fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

FormData::LoadReport Failed(const QString& error)
{
    FormData::LoadReport r;
    r.ok = false;
    r.error = error;
    return r;
}

std::optional<PropertyValue> ParseHex(const QString& text, QString* error)
{
    QString digits = text.mid(2);
    if (digits.endsWith(u'&'))
        digits.chop(1);
    bool ok = false;
    const qulonglong v = digits.toULongLong(&ok, 16);
    if (!ok || digits.isEmpty() || v > 0xFFFFFFFFull) {
        Fail(error, QStringLiteral("not a 32-bit hexadecimal number: %1").arg(text));
        return std::nullopt;
    }
    return PropertyValue(static_cast<int32_t>(static_cast<uint32_t>(v)));
}

std::optional<PropertyValue> ParseNumber(const QString& text, QString* error)
{
    bool ok = false;
    if (text.contains(u'.') || text.contains(u'e', Qt::CaseInsensitive)) {
        const double d = text.toDouble(&ok);
        if (ok)
            return PropertyValue(d);
    } else {
        const qlonglong v = text.toLongLong(&ok, 10);
        if (ok && v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max())
            return PropertyValue(static_cast<int32_t>(v));
    }
    Fail(error, QStringLiteral("unreadable value: %1").arg(text));
    return std::nullopt;
}

// True, False, &H... or a decimal number (all a font attribute may hold).
std::optional<PropertyValue> ParseScalar(const QString& raw, QString* error = nullptr)
{
    const QString text = raw.trimmed();
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return PropertyValue(true);
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return PropertyValue(false);
    if (text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        return ParseHex(text, error);
    return ParseNumber(text, error);
}

// One "Key=value" attribute of Font(...); false when it is not one we know.
bool ApplyFontAttribute(FontObject& font, const QString& item)
{
    const int eq = static_cast<int>(item.indexOf(u'='));
    const QString key = item.left(eq).trimmed().toLower();
    const auto value = eq > 0 ? ParseScalar(item.mid(eq + 1)) : std::nullopt;
    const bool* b = value ? std::get_if<bool>(&*value) : nullptr;
    const int32_t* n = value ? std::get_if<int32_t>(&*value) : nullptr;
    if (key == QLatin1String("bold") && b) font.SetBold(*b);
    else if (key == QLatin1String("italic") && b) font.SetItalic(*b);
    else if (key == QLatin1String("underline") && b) font.SetUnderline(*b);
    else if (key == QLatin1String("strikethrough") && b) font.SetStrikethrough(*b);
    else if (key == QLatin1String("weight") && n) font.SetWeight(*n);
    else if (key == QLatin1String("charset") && n) font.SetCharset(*n);
    else return false;
    return true;
}

std::optional<PropertyValue> ParseFont(const QString& text, const QString& args, QString* error)
{
    auto parts = SplitArguments(args);
    if (!parts || parts->size() < 2) {
        Fail(error, QStringLiteral("Font needs a name and a size: %1").arg(text));
        return std::nullopt;
    }
    int pos = 0;
    auto name = (*parts)[0].startsWith(u'"') ? ReadQuoted((*parts)[0], pos) : std::nullopt;
    bool ok = false;
    const double size = (*parts)[1].toDouble(&ok);
    if (!name || !ok || size <= 0) {
        Fail(error, QStringLiteral("bad font name or size: %1").arg(text));
        return std::nullopt;
    }
    FontObject font(*name, size);
    for (int i = 2; i < parts->size(); ++i) {
        if (!ApplyFontAttribute(font, (*parts)[i])) {
            Fail(error, QStringLiteral("unknown font attribute: %1").arg((*parts)[i]));
            return std::nullopt;
        }
    }
    return PropertyValue(font);
}

std::optional<PropertyValue> ParsePicture(const QString& text, const QString& args, const QString& baseDir,
                                          QString* error)
{
    int pos = 0;
    const QString arg = args.trimmed();
    auto path = arg.startsWith(u'"') ? ReadQuoted(arg, pos) : std::nullopt;
    if (!path || pos != arg.size()) {
        Fail(error, QStringLiteral("Picture needs a quoted path: %1").arg(text));
        return std::nullopt;
    }
    QString resolved = *path;
    if (!resolved.startsWith(u':') && QFileInfo(resolved).isRelative() && !baseDir.isEmpty())
        resolved = QDir(baseDir).filePath(resolved);
    auto picture = Picture::Load(resolved);
    if (!picture) {
        Fail(error, QStringLiteral("cannot read picture %1").arg(*path));
        return std::nullopt;
    }
    picture->SetSource(*path);
    return PropertyValue(PicturePtr(picture));
}

} // namespace

std::optional<PropertyValue> FormData::ParseValueIn(const QString& raw, const QString& baseDir,
                                                    QString* error)
{
    const QString text = raw.trimmed();
    if (text.isEmpty()) {
        Fail(error, QStringLiteral("missing value"));
        return std::nullopt;
    }
    if (text.compare(QLatin1String("Nothing"), Qt::CaseInsensitive) == 0)
        return PropertyValue(PicturePtr());
    if (text.startsWith(u'"')) {
        int pos = 0;
        auto s = ReadQuoted(text, pos);
        if (!s || pos != text.size()) {
            Fail(error, QStringLiteral("badly quoted text: %1").arg(text));
            return std::nullopt;
        }
        return PropertyValue(*s);
    }
    if (auto args = CallArguments(text, QStringLiteral("Font")))
        return ParseFont(text, *args, error);
    if (auto args = CallArguments(text, QStringLiteral("Picture")))
        return ParsePicture(text, *args, baseDir, error);
    return ParseScalar(text, error);
}

FormData::LoadReport FormData::Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        controls_.clear();
        return Failed(QStringLiteral("%1: cannot open: %2").arg(path, file.errorString()));
    }
    const QString text = QString::fromUtf8(file.readAll());
    return Parse(text, path);
}

namespace {

// A "[name]" line opens the control's section; the mistake, if any.
std::optional<QString> OpenSection(const QString& line, Controls& controls)
{
    if (!line.endsWith(u']') || line.size() < 3)
        return QStringLiteral("bad section header");
    const QString name = line.mid(1, line.size() - 2).trimmed();
    for (const auto& c : controls)
        if (c.first.compare(name, Qt::CaseInsensitive) == 0)
            return QStringLiteral("control %1 appears twice").arg(name);
    controls.emplace_back(name, PropertyBag());
    return std::nullopt;
}

} // namespace

std::optional<QString> FormData::ReadSetting(const QString& line, PropertyBag* section, const QString& baseDir,
                                             QString& warning)
{
    const int eq = static_cast<int>(line.indexOf(u'='));
    if (eq <= 0)
        return QStringLiteral("expected Key = value");
    if (!section)
        return QStringLiteral("setting outside a [control] section");
    const QString key = line.left(eq).trimmed();
    if (section->Contains(key))
        return QStringLiteral("key %1 appears twice").arg(key);
    QString error;
    auto value = ParseValueIn(line.mid(eq + 1), baseDir, &error);
    if (!value && error.startsWith(QLatin1String("cannot read picture"))) {
        // One missing picture should not cost the window all its settings.
        warning = error;
        value = PropertyValue(PicturePtr());
    }
    if (!value)
        return error;
    section->WriteProperty(key, *value);
    return std::nullopt;
}

FormData::LoadReport FormData::Parse(const QString& text, const QString& sourceName)
{
    Controls controls;
    // Relative picture paths are read from the folder of the form file.
    const QString baseDir = sourceName.isEmpty() ? QString() : QFileInfo(sourceName).path();
    const QStringList lines = text.split(u'\n');
    LoadReport result;
    result.ok = true;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u'\''))
            continue;
        QString warning;
        const std::optional<QString> mistake =
            line.startsWith(u'[') ? OpenSection(line, controls)
                                  : ReadSetting(line, controls.empty() ? nullptr : &controls.back().second, baseDir,
                                                warning);
        if (!warning.isEmpty())
            result.warnings << ErrorAt(sourceName, i + 1, warning);
        if (mistake) {
            controls_.clear();
            return Failed(ErrorAt(sourceName, i + 1, *mistake));
        }
    }
    controls_ = std::move(controls);
    return result;
}

bool FormData::HasControl(const QString& name) const
{
    for (const auto& c : controls_)
        if (c.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

const PropertyBag& FormData::Control(const QString& name) const
{
    static const PropertyBag empty;
    for (const auto& c : controls_)
        if (c.first.compare(name, Qt::CaseInsensitive) == 0)
            return c.second;
    return empty;
}

std::vector<QString> FormData::ControlNames() const
{
    std::vector<QString> names;
    for (const auto& c : controls_)
        names.push_back(c.first);
    return names;
}

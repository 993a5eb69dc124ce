#pragma once
// The font object of the stored settings: name, size in points, weight and
// style. Sizes are points at 96 dots per inch, so 8.25 pt is 11 pixels;
// ToQFont sets a pixel size so text measures the same on every screen.
#include <QFont>
#include <QString>

class FontObject {
public:
    FontObject() = default;
    FontObject(QString name, double size, bool bold = false, bool italic = false,
               bool underline = false);

    // The font a control gets when nothing is stored: "MS Sans Serif" 8.25 pt.
    static FontObject Default();

    const QString& Name() const { return name_; }
    void SetName(const QString& name) { name_ = name; }
    double Size() const { return size_; }
    void SetSize(double points) { size_ = points; }
    bool Bold() const { return weight_ >= 700; }
    void SetBold(bool bold) { weight_ = bold ? 700 : 400; }
    int Weight() const { return weight_; }
    void SetWeight(int weight) { weight_ = weight; }
    bool Italic() const { return italic_; }
    void SetItalic(bool italic) { italic_ = italic; }
    bool Underline() const { return underline_; }
    void SetUnderline(bool underline) { underline_ = underline; }
    bool Strikethrough() const { return strikethrough_; }
    void SetStrikethrough(bool strike) { strikethrough_ = strike; }
    int Charset() const { return charset_; }
    void SetCharset(int charset) { charset_ = charset; }

    // Pixel height of the em at 96 dpi, rounded half to even (8.25 pt -> 11).
    int PixelSize() const;
    // A raster font without anti-aliasing, as the old controls drew.
    QFont ToQFont() const;

    friend bool operator==(const FontObject&, const FontObject&) = default;

private:
    QString name_ = QStringLiteral("MS Sans Serif");
    double size_ = 8.25;
    int weight_ = 400;
    bool italic_ = false;
    bool underline_ = false;
    bool strikethrough_ = false;
    int charset_ = 0;
};

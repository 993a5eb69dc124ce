#pragma once
// A picture object: a bitmap or an icon, with its size in HIMETRIC
// (hundredths of a millimetre, 2540 per inch at 96 pixels per inch).
#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

// a * b / c rounded to nearest, halves away from zero (Windows MulDiv); 0 when c is 0
// or the result does not fit (MulDiv returns -1 there, which nobody here wants).
int32_t MulDiv(int32_t a, int32_t b, int32_t c);
int32_t PixelsToHimetric(int32_t pixels);
int32_t HimetricToPixels(int32_t himetric);

class Picture {
public:
    enum class Type { None = 0, Bitmap = 1, Icon = 3 };

    // A bitmap is held as RGB32; an icon keeps its alpha (ARGB32 premultiplied).
    static std::shared_ptr<Picture> FromBitmap(const QImage& image);
    static std::shared_ptr<Picture> FromIcon(const QImage& image);
    // Loads a file or a ":/..." resource; ".ico" and ".cur" become icons, anything
    // else a bitmap. Null when the file cannot be read.
    static std::shared_ptr<Picture> Load(const QString& path);

    Type GetType() const { return type_; }
    bool IsBitmap() const { return type_ == Type::Bitmap; }
    const QImage& Image() const { return image_; }
    int WidthPixels() const { return image_.width(); }
    int HeightPixels() const { return image_.height(); }
    int32_t Width() const { return PixelsToHimetric(image_.width()); }   // HIMETRIC
    int32_t Height() const { return PixelsToHimetric(image_.height()); } // HIMETRIC
    // Where it was loaded from (empty for pictures made in memory); stored settings use it.
    const QString& Source() const { return source_; }
    void SetSource(const QString& source) { source_ = source; }

private:
    Picture(Type type, QImage image) : type_(type), image_(std::move(image)) {}
    Type type_;
    QImage image_;
    QString source_;
};

using PicturePtr = std::shared_ptr<const Picture>;

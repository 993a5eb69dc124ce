#include "Picture.h"

#include <QFileInfo>
#include <QImageReader>
#include <cstdlib>
#include <limits>

int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return 0;
    const int64_t product = static_cast<int64_t>(a) * b;
    // Round to nearest, halves away from zero.
    const bool negative = (product < 0) != (c < 0);
    const int64_t num = std::llabs(product);
    const int64_t den = std::llabs(static_cast<int64_t>(c));
    int64_t q = (num + den / 2) / den;
    if (negative)
        q = -q;
    if (q > std::numeric_limits<int32_t>::max() || q < std::numeric_limits<int32_t>::min())
        return 0;
    return static_cast<int32_t>(q);
}

int32_t PixelsToHimetric(int32_t pixels)
{
    return MulDiv(pixels, 2540, 96);
}

int32_t HimetricToPixels(int32_t himetric)
{
    return MulDiv(himetric, 96, 2540);
}

std::shared_ptr<Picture> Picture::FromBitmap(const QImage& image)
{
    if (image.isNull())
        return nullptr;
    // Keep monochrome bitmaps as they are: a pattern brush treats them specially.
    QImage img = (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB)
        ? image
        : image.convertToFormat(QImage::Format_RGB32);
    return std::shared_ptr<Picture>(new Picture(Type::Bitmap, std::move(img)));
}

std::shared_ptr<Picture> Picture::FromIcon(const QImage& image)
{
    if (image.isNull())
        return nullptr;
    return std::shared_ptr<Picture>(
        new Picture(Type::Icon, image.convertToFormat(QImage::Format_ARGB32_Premultiplied)));
}

std::shared_ptr<Picture> Picture::Load(const QString& path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        return nullptr;
    const QString suffix = QFileInfo(path).suffix().toLower();
    auto picture = (suffix == QLatin1String("ico") || suffix == QLatin1String("cur"))
        ? FromIcon(image)
        : FromBitmap(image);
    if (picture)
        picture->SetSource(path);
    return picture;
}

#include "viewer/MagickPixels.h"

#include "viewer/DecodeLimits.h"
#include "viewer/MagickHandles.h"

#include <Magick++.h>

namespace MagickPixels {

QImage ToQImage(const MagickCore::_Image* image, QString& error)
{
    const auto width = static_cast<int64_t>(image->columns);
    const auto height = static_cast<int64_t>(image->rows);
    if (!DecodeLimits::FitsPage(width, height)) {
        error = QStringLiteral("the image is too large (%1 x %2 pixels)").arg(width).arg(height);
        return {};
    }
    // Format_ARGB32 lies in memory as B, G, R, A on the little-endian
    // machines Debian runs on, and its rows have no padding.
    QImage result(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
    if (result.isNull()) {
        error = QStringLiteral("not enough memory for the image");
        return {};
    }
    const MagickHandles::Exception exception = MagickHandles::MakeException();
    if (!MagickCore::ExportImagePixels(image, 0, 0, image->columns, image->rows, "BGRA", MagickCore::CharPixel,
                                       result.bits(), exception.get())) {
        error = QStringLiteral("the image's pixels cannot be read");
        return {};
    }
    return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

Magick::Image FromQImage(const QImage& image)
{
    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    Magick::Image result(static_cast<size_t>(straight.width()), static_cast<size_t>(straight.height()), "BGRA",
                         Magick::CharPixel, straight.constBits());
    result.depth(8);
    return result;
}

} // namespace MagickPixels

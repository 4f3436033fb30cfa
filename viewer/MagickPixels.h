#pragma once

#include <QImage>
#include <QString>

namespace Magick {
class Image;
}
namespace MagickCore {
struct _Image;
}

// Pixel exchange between ImageMagick and Qt: always 8 bits per channel with
// straight (not premultiplied) alpha, as both sides define it.
namespace MagickPixels {

// A null image, with `error` set, when the image exceeds the decode limits.
QImage ToQImage(const MagickCore::_Image* image, QString& error);
Magick::Image FromQImage(const QImage& image);

} // namespace MagickPixels

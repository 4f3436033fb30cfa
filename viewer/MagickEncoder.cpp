#include "viewer/MagickEncoder.h"

#include "viewer/MagickPixels.h"
#include "viewer/MagickRuntime.h"

#include <Magick++.h>
#include <QIODevice>
#include <algorithm>
#include <vector>

namespace {

// The coder is named outright: ImageMagick picks by extension otherwise,
// and its "jpc" extension gives a boxed JP2 rather than a raw codestream.
const char* CoderOf(SaveFormat format)
{
    switch (format) {
    case SaveFormat::Gif: return "GIF";
    case SaveFormat::Wbmp: return "WBMP";
    case SaveFormat::Pcx: return "PCX";
    case SaveFormat::Tga: return "TGA";
    case SaveFormat::Ico: return "ICO";
    case SaveFormat::Jp2: return "JP2";
    case SaveFormat::Jpc: return "J2K";
    case SaveFormat::Ras: return "SUN";
    case SaveFormat::Pgx: return "PGX";
    case SaveFormat::Pnm: return "PNM";
    default: return nullptr;
    }
}

void Prepare(Magick::Image& image, SaveFormat format, const char* coder)
{
    image.quiet(true);  // warnings are no failure
    image.magick(coder);
    // 8 bits per channel whatever the source held: a 16-bit PNM or PGX is
    // what ImageMagick writes otherwise, which few readers take.
    image.depth(8);
    if (format == SaveFormat::Pgx)
        image.type(Magick::GrayscaleType);
    if (format == SaveFormat::Wbmp)
        image.type(Magick::BilevelType);
}

// A GIF has one canvas for all its frames: it takes the largest page, and
// each frame is cleared before the next, so every page shows only itself.
void ShareOneCanvas(std::vector<Magick::Image>& frames)
{
    size_t width = 0;
    size_t height = 0;
    for (const Magick::Image& frame : frames) {
        width = std::max(width, frame.columns());
        height = std::max(height, frame.rows());
    }
    for (Magick::Image& frame : frames) {
        frame.page(Magick::Geometry(width, height, 0, 0));
        frame.gifDisposeMethod(Magick::BackgroundDispose);
    }
}

} // namespace

bool CMagickEncoder::Encode(int pageCount, const PageProvider& page, QIODevice& out, QString& error)
{
    const char* coder = CoderOf(m_format);
    if (!coder || pageCount < 1) {
        error = QStringLiteral("the format cannot be written");
        return false;
    }
    MagickRuntime::Ensure();
    try {
        std::vector<Magick::Image> frames;
        for (int index = 0; index < pageCount; ++index) {
            const QImage image = page(index, error);
            if (image.isNull())
                return false;
            frames.push_back(MagickPixels::FromQImage(image));
            Prepare(frames.back(), m_format, coder);
        }
        if (m_format == SaveFormat::Gif)
            ShareOneCanvas(frames);
        Magick::Blob blob;
        if (frames.size() == 1)
            frames.front().write(&blob);
        else
            Magick::writeImages(frames.begin(), frames.end(), &blob, true);
        if (blob.length() == 0) {
            error = QStringLiteral("the encoder produced nothing");
            return false;
        }
        const auto length = static_cast<qint64>(blob.length());
        if (out.write(static_cast<const char*>(blob.data()), length) != length) {
            error = out.errorString();
            return false;
        }
    } catch (const Magick::Exception& exception) {
        error = QString::fromLocal8Bit(exception.what());
        return false;
    }
    return true;
}

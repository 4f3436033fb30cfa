#include "viewer/MagickSource.h"

#include "viewer/DecodeLimits.h"
#include "viewer/MagickHandles.h"
#include "viewer/MagickPixels.h"
#include "viewer/MagickRuntime.h"
#include "viewer/RasterScaling.h"

#include <QFile>

namespace {

// The coder each format is read with, named outright so that ImageMagick
// never guesses another (possibly dangerous) coder from the file's bytes.
const char* CoderOf(ImageFormat format)
{
    switch (format) {
    case ImageFormat::Psd: return "PSD";
    case ImageFormat::Jp2: return "JP2";
    case ImageFormat::J2k: return "J2K";
    case ImageFormat::Pcx: return "PCX";
    case ImageFormat::Wmf: return "WMF";
    case ImageFormat::Wbmp: return "WBMP";
    case ImageFormat::Tga: return "TGA";
    case ImageFormat::Pgx: return "PGX";
    case ImageFormat::SunRaster: return "SUN";
    case ImageFormat::Pam: return "PAM";
    case ImageFormat::Ico: return "ICO";
    default: return nullptr;
    }
}

QString ReadBytes(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("the file cannot be read (%1)").arg(file.errorString());
    if (file.size() > DecodeLimits::kMaxFileBytes)
        return QStringLiteral("the file is too large");
    bytes = file.readAll();
    return {};
}

QString MagickReason(const MagickCore::ExceptionInfo& exception)
{
    if (!exception.reason)
        return QStringLiteral("no image found");
    return QString::fromLocal8Bit(exception.reason);
}

} // namespace

CMagickSource::CMagickSource(std::vector<QImage> pages)
    : m_pages(std::move(pages))
{
}

std::unique_ptr<CMagickSource> CMagickSource::Open(const QString& path, ImageFormat format, QString& error)
{
    const char* coder = CoderOf(format);
    if (!coder) {
        error = QStringLiteral("the format is not supported");
        return nullptr;
    }
    QByteArray bytes;
    error = ReadBytes(path, bytes);
    if (!error.isEmpty())
        return nullptr;
    MagickRuntime::Ensure();
    const MagickHandles::ImageInfo info(MagickCore::AcquireImageInfo());
    MagickCore::CopyMagickString(info->magick, coder, MaxTextExtent);
    MagickCore::FormatLocaleString(info->filename, MaxTextExtent, "%s:", coder);
    info->affirm = MagickCore::MagickTrue;
    if (format != ImageFormat::Ico) {
        // One image: a Photoshop file's first is its flattened composite.
        info->scene = 0;
        info->number_scenes = 1;
    }
    const MagickHandles::Exception exception = MagickHandles::MakeException();
    const MagickHandles::ImageList images(
        MagickCore::BlobToImage(info.get(), bytes.constData(), static_cast<size_t>(bytes.size()), exception.get()));
    if (!images || exception->severity >= MagickCore::ErrorException) {
        error = QStringLiteral("the image cannot be decoded (%1)").arg(MagickReason(*exception));
        return nullptr;
    }
    std::vector<QImage> pages;
    for (const MagickCore::Image* image = images.get(); image; image = MagickCore::GetNextImageInList(image)) {
        QImage page = MagickPixels::ToQImage(image, error);
        if (page.isNull())
            return nullptr;
        pages.push_back(std::move(page));
        if (format != ImageFormat::Ico)
            break;
    }
    return std::unique_ptr<CMagickSource>(new CMagickSource(std::move(pages)));
}

QImage CMagickSource::Render(int index, QSize size, QRect clip, QString& error)
{
    QImage image = RasterScaling::ScaledClip(m_pages[static_cast<size_t>(index)], size, clip);
    if (image.isNull())
        error = QStringLiteral("the page cannot be scaled");
    return image;
}

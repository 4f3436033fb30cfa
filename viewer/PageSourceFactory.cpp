#include "viewer/PageSourceFactory.h"

#include "viewer/ImageFormat.h"
#include "viewer/MagickSource.h"
#include "viewer/PdfSource.h"
#include "viewer/QtReaderSource.h"
#include "viewer/TiffSource.h"

#include <QFile>
#include <QFileInfo>

namespace PageSourceFactory {

std::unique_ptr<CPageSource> Open(const QString& path, QString& error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        error = QStringLiteral("the file does not exist");
        return nullptr;
    }
    if (!info.isFile()) {
        error = QStringLiteral("it is not a file");
        return nullptr;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("the file cannot be read (%1)").arg(file.errorString());
        return nullptr;
    }
    const QByteArray head = file.read(ImageFormats::kSignatureBytes);
    file.close();
    if (head.isEmpty()) {
        error = QStringLiteral("the file is empty");
        return nullptr;
    }
    const ImageFormat format = ImageFormats::DetectFormat(
        {reinterpret_cast<const unsigned char*>(head.constData()), static_cast<size_t>(head.size())},
        info.suffix().toStdString());

    std::unique_ptr<CPageSource> source;
    switch (format) {
    case ImageFormat::Unknown:
        error = QStringLiteral("it is not an image of a supported format");
        return nullptr;
    case ImageFormat::Jpeg: source = CQtReaderSource::Open(path, "jpeg", error); break;
    case ImageFormat::Png: source = CQtReaderSource::Open(path, "png", error); break;
    case ImageFormat::Bmp: source = CQtReaderSource::Open(path, "bmp", error); break;
    case ImageFormat::Gif: source = CQtReaderSource::Open(path, "gif", error); break;
    case ImageFormat::Pnm: source = CQtReaderSource::Open(path, "ppm", error); break;
    case ImageFormat::Tiff: source = CTiffSource::Open(path, error); break;
    case ImageFormat::Pdf: source = CPdfSource::Open(path, error); break;
    default: source = CMagickSource::Open(path, format, error); break;
    }
    if (source && source->PageCount() < 1) {
        error = QStringLiteral("the file holds no page");
        return nullptr;
    }
    return source;
}

} // namespace PageSourceFactory

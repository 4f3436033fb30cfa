#include "viewer/DocumentSaver.h"

#include "viewer/AtomicFile.h"
#include "viewer/DecodeLimits.h"
#include "viewer/MagickEncoder.h"
#include "viewer/PageSource.h"
#include "viewer/PdfEncoder.h"
#include "viewer/QtImageEncoder.h"
#include "viewer/QtPixelGeometry.h"
#include "viewer/SaveSize.h"
#include "viewer/TiffEncoder.h"

#include <QPainter>
#include <memory>

namespace {

std::unique_ptr<CImageEncoder> EncoderFor(SaveFormat format)
{
    switch (format) {
    case SaveFormat::Bmp: return std::make_unique<CQtImageEncoder>("bmp");
    case SaveFormat::Jpeg: return std::make_unique<CQtImageEncoder>("jpeg");
    case SaveFormat::Png: return std::make_unique<CQtImageEncoder>("png");
    case SaveFormat::Tiff: return std::make_unique<CTiffEncoder>();
    case SaveFormat::Pdf: return std::make_unique<CPdfEncoder>();
    default: return std::make_unique<CMagickEncoder>(format);
    }
}

QImage OnWhite(const QImage& image)
{
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

} // namespace

namespace DocumentSaver {

bool Save(CPageSource& source, int shownIndex, const QString& path, const QString& formatName, int a, int b,
          QString& error)
{
    const std::optional<SaveFormat> format = SaveFormats::Parse(formatName.toStdString());
    if (!format) {
        error = QStringLiteral("unknown format \"%1\"").arg(formatName);
        return false;
    }
    const bool allPages = SaveFormats::HoldsAllPages(*format);
    const int first = allPages ? 0 : shownIndex;
    const int count = allPages ? source.PageCount() : 1;

    const CImageEncoder::PageProvider page = [&](int index, QString& pageError) -> QImage {
        const int sourceIndex = first + index;
        PixelSize size = SaveSize::OutputSize(QtPixelGeometry::ToPixelSize(source.PageSize(sourceIndex)), a, b);
        if (*format == SaveFormat::Ico)
            size = SaveSize::FitWithin(size, SaveFormats::kIconMaxSide);
        if (!DecodeLimits::FitsPage(size.width, size.height)) {
            pageError = QStringLiteral("the output is too large (%1 x %2 pixels)").arg(size.width).arg(size.height);
            return {};
        }
        const QSize outputSize(size.width, size.height);
        const QImage image = source.Render(sourceIndex, outputSize, QRect(QPoint(0, 0), outputSize), pageError);
        if (image.isNull())
            return {};
        // Every format is written with 8 bits per channel, whatever depth
        // the source had.
        if (SaveFormats::IsOpaque(*format))
            return OnWhite(image);
        return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    };

    CAtomicFile file(path);
    return file.Open(error) && EncoderFor(*format)->Encode(count, page, file.Device(), error) && file.Commit(error);
}

} // namespace DocumentSaver

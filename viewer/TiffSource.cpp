#include "viewer/TiffSource.h"

#include "viewer/BoxDownsampler.h"
#include "viewer/DecodeLimits.h"
#include "viewer/RasterScaling.h"

#include <algorithm>

namespace {

// Page numbers are 16-bit: further directories could never be shown.
constexpr int kMaxPages = 32767;

QString SizeError(QSize size)
{
    if (size.isEmpty())
        return QStringLiteral("the page has no pixels");
    return QStringLiteral("the page is too large (%1 x %2 pixels)").arg(size.width()).arg(size.height());
}

// Feeds `rows` rows of a bottom-up raster (as libtiff's RGBA readers fill
// it) that start at source row `top`, to the rows the downsampler needs.
void FeedBottomUp(CBoxDownsampler& shrink, const std::vector<uint32_t>& raster, int width, int top, int rows)
{
    const int first = std::max(top, shrink.FirstSourceRow());
    const int end = std::min(top + rows, shrink.EndSourceRow());
    for (int row = first; row < end; ++row)
        shrink.AddRow(&raster[static_cast<size_t>(rows - 1 - (row - top)) * static_cast<size_t>(width)]);
}

} // namespace

CTiffSource::CTiffSource(std::unique_ptr<CTiffFile> file, std::vector<Page> pages)
    : m_file(std::move(file))
    , m_pages(std::move(pages))
{
}

std::unique_ptr<CTiffSource> CTiffSource::Open(const QString& path, QString& error)
{
    std::unique_ptr<CTiffFile> file = CTiffFile::OpenForReading(path, error);
    if (!file)
        return nullptr;
    TIFF* tiff = file->Get();
    std::vector<Page> pages;
    do {
        uint32_t width = 0;
        uint32_t height = 0;
        TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
        TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
        pages.push_back({TIFFCurrentDirOffset(tiff), QSize(static_cast<int>(std::min<uint32_t>(width, INT32_MAX)),
                                                             static_cast<int>(std::min<uint32_t>(height, INT32_MAX)))});
    } while (static_cast<int>(pages.size()) < kMaxPages && TIFFReadDirectory(tiff));
    file->TakeError({});  // a damaged directory after the first ends the count
    return std::unique_ptr<CTiffSource>(new CTiffSource(std::move(file), std::move(pages)));
}

QImage CTiffSource::Render(int index, QSize size, QRect clip, QString& error)
{
    const Page& page = m_pages[static_cast<size_t>(index)];
    if (!DecodeLimits::FitsStreamedPage(page.size.width(), page.size.height())) {
        error = SizeError(page.size);
        return {};
    }
    if (!TIFFSetSubDirectory(m_file->Get(), page.offset)) {
        error = m_file->TakeError(QStringLiteral("the page cannot be read"));
        return {};
    }
    const bool shrinking = size.width() <= page.size.width() && size.height() <= page.size.height();
    if (shrinking)
        return Shrink(size, clip, error);
    if (!DecodeLimits::FitsPage(page.size.width(), page.size.height())) {
        error = SizeError(page.size);
        return {};
    }
    const QImage full = Shrink(page.size, QRect(QPoint(0, 0), page.size), error);
    return RasterScaling::ScaledClip(full, size, clip);
}

QImage CTiffSource::Shrink(QSize size, QRect clip, QString& error)
{
    TIFF* tiff = m_file->Get();
    char reason[1024] = {};
    TIFFRGBAImage decoder{};
    if (!TIFFRGBAImageBegin(&decoder, tiff, 0, reason)) {
        error = QStringLiteral("the page cannot be decoded (%1)").arg(QString::fromLocal8Bit(reason));
        return {};
    }
    const std::unique_ptr<TIFFRGBAImage, decltype(&TIFFRGBAImageEnd)> ending(&decoder, &TIFFRGBAImageEnd);
    const int width = static_cast<int>(decoder.width);
    const int height = static_cast<int>(decoder.height);
    const QRect bounded = clip.intersected(QRect(QPoint(0, 0), size));
    // libtiff packs R, G, B, A in memory order with alpha premultiplied; the
    // shrinking swaps red and blue on the way into Qt's native order.
    QImage image(bounded.size(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        error = QStringLiteral("not enough memory for the page");
        return {};
    }
    CBoxDownsampler shrink({width, height}, {size.width(), size.height()},
                           {bounded.x(), bounded.y(), bounded.width(), bounded.height()},
                           {reinterpret_cast<uint32_t*>(image.bits()), static_cast<size_t>(image.sizeInBytes() / 4)},
                           CBoxDownsampler::Order::SwapFirstAndThird);

    // Bands follow the file's strips or tile rows, so each is decoded once.
    uint32_t bandHeight = 0;
    if (TIFFIsTiled(tiff))
        TIFFGetField(tiff, TIFFTAG_TILELENGTH, &bandHeight);
    else
        TIFFGetFieldDefaulted(tiff, TIFFTAG_ROWSPERSTRIP, &bandHeight);
    const int band = static_cast<int>(std::clamp<uint32_t>(bandHeight, 1, decoder.height));
    // One band of 32-bit pixels is all that is held of the source.
    if (int64_t{width} * band * 4 > DecodeLimits::kMaxBytes) {
        error = QStringLiteral("the page's strips are too large to decode");
        return {};
    }
    std::vector<uint32_t>& raster = m_raster;
    raster.resize(static_cast<size_t>(width) * static_cast<size_t>(band));
    for (int top = shrink.FirstSourceRow() / band * band; top < shrink.EndSourceRow(); top += band) {
        const int rows = std::min(band, height - top);
        decoder.row_offset = top;
        decoder.col_offset = 0;
        if (!TIFFRGBAImageGet(&decoder, raster.data(), decoder.width, static_cast<uint32_t>(rows))) {
            error = m_file->TakeError(QStringLiteral("the page is damaged"));
            return {};
        }
        FeedBottomUp(shrink, raster, width, top, rows);
    }
    if (!shrink.IsComplete()) {
        error = QStringLiteral("the page is damaged (rows missing)");
        return {};
    }
    return image;
}

#include "viewer/TiffEncoder.h"

#include "viewer/TiffFile.h"

#include <vector>

namespace {

bool WritePage(TIFF* tiff, const QImage& page, int index, int count)
{
    const bool alpha = page.hasAlphaChannel();
    const QImage pixels = page.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const auto width = static_cast<uint32_t>(pixels.width());
    const auto height = static_cast<uint32_t>(pixels.height());
    const uint16_t samples = alpha ? 4 : 3;
    TIFFSetField(tiff, TIFFTAG_SUBFILETYPE, count > 1 ? FILETYPE_PAGE : 0);
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, width);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, height);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, samples);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
    TIFFSetField(tiff, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
    if (alpha) {
        const uint16_t extra[] = {EXTRASAMPLE_UNASSALPHA};
        TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, extra);
    }
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0));
    if (count > 1)
        TIFFSetField(tiff, TIFFTAG_PAGENUMBER, static_cast<uint16_t>(index), static_cast<uint16_t>(count));
    for (uint32_t row = 0; row < height; ++row) {
        // libtiff does not write through its argument; its API is not const.
        void* line = const_cast<uchar*>(pixels.constScanLine(static_cast<int>(row)));
        if (TIFFWriteScanline(tiff, line, row, 0) < 0)
            return false;
    }
    return TIFFWriteDirectory(tiff) == 1;
}

} // namespace

bool CTiffEncoder::Encode(int pageCount, const PageProvider& page, QIODevice& out, QString& error)
{
    std::unique_ptr<CTiffFile> file = CTiffFile::OpenForWriting(out, {}, error);
    if (!file)
        return false;
    for (int index = 0; index < pageCount; ++index) {
        const QImage image = page(index, error);
        if (image.isNull())
            return false;
        if (!WritePage(file->Get(), image, index, pageCount)) {
            error = file->TakeError(QStringLiteral("the TIFF page cannot be written"));
            return false;
        }
    }
    if (!file->Close()) {
        error = QStringLiteral("the TIFF file cannot be completed");
        return false;
    }
    return true;
}

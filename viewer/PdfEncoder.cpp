#include "viewer/PdfEncoder.h"

#include "viewer/PdfImageWriter.h"
#include "viewer/PdfSource.h"

#include <QIODevice>
#include <vector>

namespace {

// Colour and alpha planes as the PDF image and its soft mask store them.
void SplitPlanes(const QImage& page, std::vector<uint8_t>& rgb, std::vector<uint8_t>& alpha)
{
    const bool hasAlpha = page.hasAlphaChannel();
    const QImage pixels = page.convertToFormat(hasAlpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const auto width = static_cast<size_t>(pixels.width());
    rgb.resize(width * static_cast<size_t>(pixels.height()) * 3);
    alpha.resize(hasAlpha ? width * static_cast<size_t>(pixels.height()) : 0);
    for (int y = 0; y < pixels.height(); ++y) {
        const uchar* line = pixels.constScanLine(y);
        uint8_t* colour = &rgb[static_cast<size_t>(y) * width * 3];
        if (!hasAlpha) {
            std::copy(line, line + width * 3, colour);
            continue;
        }
        uint8_t* mask = &alpha[static_cast<size_t>(y) * width];
        for (size_t x = 0; x < width; ++x) {
            colour[x * 3] = line[x * 4];
            colour[x * 3 + 1] = line[x * 4 + 1];
            colour[x * 3 + 2] = line[x * 4 + 2];
            mask[x] = line[x * 4 + 3];
        }
    }
}

} // namespace

bool CPdfEncoder::Encode(int pageCount, const PageProvider& page, QIODevice& out, QString& error)
{
    CPdfImageWriter writer([&out](std::string_view bytes) {
        return out.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
    });
    constexpr double kPointsPerPixel = 72.0 / CPdfSource::kPixelsPerInch;
    std::vector<uint8_t> rgb;
    std::vector<uint8_t> alpha;
    for (int index = 0; index < pageCount; ++index) {
        const QImage image = page(index, error);
        if (image.isNull())
            return false;
        SplitPlanes(image, rgb, alpha);
        if (!writer.AddPage(image.width(), image.height(), rgb, alpha, image.width() * kPointsPerPixel,
                            image.height() * kPointsPerPixel)) {
            error = QStringLiteral("the PDF page cannot be written");
            return false;
        }
    }
    if (!writer.Finish()) {
        error = QStringLiteral("the PDF file cannot be completed");
        return false;
    }
    return true;
}

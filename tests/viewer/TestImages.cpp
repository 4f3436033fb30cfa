#include "TestImages.h"

#include "viewer/MagickRuntime.h"

#include <Magick++.h>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <gtest/gtest.h>
#include <cmath>
#include <list>

namespace TestImages {

QImage Quadrants(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    const std::vector<QColor> colours = QuadrantColours();
    QPainter painter(&image);
    const int halfW = width / 2;
    const int halfH = height / 2;
    painter.fillRect(0, 0, halfW, halfH, colours[0]);
    painter.fillRect(halfW, 0, width - halfW, halfH, colours[1]);
    painter.fillRect(0, halfH, halfW, height - halfH, colours[2]);
    painter.fillRect(halfW, halfH, width - halfW, height - halfH, colours[3]);
    return image;
}

std::vector<QColor> QuadrantColours()
{
    return {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 255, 255)};
}

int QuadrantError(const QImage& image, bool grey)
{
    const std::vector<QColor> colours = QuadrantColours();
    const QPoint centres[] = {{image.width() / 4, image.height() / 4},
                              {image.width() * 3 / 4, image.height() / 4},
                              {image.width() / 4, image.height() * 3 / 4},
                              {image.width() * 3 / 4, image.height() * 3 / 4}};
    int worst = 0;
    for (int i = 0; i < 4; ++i) {
        const QColor got = image.pixelColor(centres[i]);
        const QColor want = colours[static_cast<size_t>(i)];
        if (grey) {
            // Grey formats take the Rec. 709 luma of a colour.
            const auto luma = [](const QColor& c) { return 0.2126 * c.red() + 0.7152 * c.green() + 0.0722 * c.blue(); };
            worst = std::max(worst, static_cast<int>(std::lround(std::abs(luma(got) - luma(want)))));
            continue;
        }
        worst = std::max({worst, std::abs(got.red() - want.red()), std::abs(got.green() - want.green()),
                          std::abs(got.blue() - want.blue())});
    }
    return worst;
}

std::vector<TiffPage> FivePages()
{
    return {{64, 48, COMPRESSION_NONE},       {80, 40, COMPRESSION_LZW}, {48, 64, COMPRESSION_ADOBE_DEFLATE, true},
            {100, 30, COMPRESSION_PACKBITS}, {64, 64, COMPRESSION_JPEG}};
}

void WriteTiff(const QString& path, const std::vector<TiffPage>& pages, bool bigEndian)
{
    TIFF* tiff = TIFFOpen(QFile::encodeName(path).constData(), bigEndian ? "wb" : "wl");
    ASSERT_NE(tiff, nullptr);
    for (size_t index = 0; index < pages.size(); ++index) {
        const TiffPage& page = pages[index];
        QImage image = Quadrants(page.width, page.height);
        for (size_t turn = 0; turn < index; ++turn)
            image = image.mirrored(true, false);
        image = image.convertToFormat(QImage::Format_RGB888);
        TIFFSetField(tiff, TIFFTAG_SUBFILETYPE, FILETYPE_PAGE);
        TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, page.width);
        TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, page.height);
        TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
        TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3);
        TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        TIFFSetField(tiff, TIFFTAG_COMPRESSION, page.compression);
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        TIFFSetField(tiff, TIFFTAG_PAGENUMBER, static_cast<uint16_t>(index), static_cast<uint16_t>(pages.size()));
        TIFFSetField(tiff, TIFFTAG_IMAGEDESCRIPTION, "fixture page");
        if (page.tiled) {
            TIFFSetField(tiff, TIFFTAG_TILEWIDTH, 16);
            TIFFSetField(tiff, TIFFTAG_TILELENGTH, 16);
            std::vector<uint8_t> tile(16 * 16 * 3);
            for (int y = 0; y < page.height; y += 16) {
                for (int x = 0; x < page.width; x += 16) {
                    std::fill(tile.begin(), tile.end(), 0);
                    for (int row = 0; row < 16 && y + row < page.height; ++row) {
                        const int columns = std::min(16, page.width - x);
                        std::copy_n(image.constScanLine(y + row) + x * 3, columns * 3, &tile[static_cast<size_t>(row) * 48]);
                    }
                    ASSERT_GE(TIFFWriteTile(tiff, tile.data(), static_cast<uint32_t>(x), static_cast<uint32_t>(y), 0, 0), 0);
                }
            }
        } else {
            TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, 16);
            for (int row = 0; row < page.height; ++row)
                ASSERT_GE(TIFFWriteScanline(tiff, const_cast<uchar*>(image.constScanLine(row)), static_cast<uint32_t>(row), 0), 0);
        }
        ASSERT_TRUE(TIFFWriteDirectory(tiff));
    }
    TIFFClose(tiff);
}

QColor PdfPageColour(int index)
{
    const QColor colours[] = {QColor(200, 30, 30), QColor(30, 160, 30), QColor(30, 30, 200)};
    return colours[index % 3];
}

void WritePdf(const QString& path, int pages)
{
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    const QPageSize sizes[] = {QPageSize(QSizeF(200, 100), QPageSize::Point), QPageSize(QSizeF(100, 150), QPageSize::Point),
                               QPageSize(QSizeF(300, 300), QPageSize::Point)};
    writer.setPageSize(sizes[0]);
    QPainter painter(&writer);
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            writer.setPageSize(sizes[page % 3]);
            writer.newPage();
        }
        painter.fillRect(QRect(QPoint(0, 0), sizes[page % 3].sizePoints()), PdfPageColour(page));
    }
}

namespace {

Magick::Image ToMagick(const QImage& image)
{
    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    Magick::Image result(static_cast<size_t>(straight.width()), static_cast<size_t>(straight.height()), "BGRA",
                         Magick::CharPixel, straight.constBits());
    result.depth(8);
    return result;
}

} // namespace

void WriteWithMagick(const QString& path, const char* coder, const std::vector<QImage>& images)
{
    MagickRuntime::Ensure();
    std::list<Magick::Image> frames;
    for (const QImage& image : images) {
        frames.push_back(ToMagick(image));
        frames.back().magick(coder);
    }
    Magick::writeImages(frames.begin(), frames.end(), std::string(coder) + ":" + QFile::encodeName(path).toStdString(), true);
}

void WriteAnimatedGif(const QString& path)
{
    MagickRuntime::Ensure();
    std::list<Magick::Image> frames;
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    frames.push_back(ToMagick(red));
    const struct {
        QColor colour;
        int x;
        int y;
    } parts[] = {{Qt::blue, 5, 5}, {Qt::green, 20, 10}};
    for (const auto& part : parts) {
        QImage square(10, 10, QImage::Format_RGB32);
        square.fill(part.colour);
        frames.push_back(ToMagick(square));
        frames.back().page(Magick::Geometry(40, 30, static_cast<ssize_t>(part.x), static_cast<ssize_t>(part.y)));
    }
    for (Magick::Image& frame : frames) {
        frame.gifDisposeMethod(Magick::NoneDispose);
        frame.animationDelay(10);
        frame.magick("GIF");
    }
    Magick::writeImages(frames.begin(), frames.end(), "GIF:" + QFile::encodeName(path).toStdString(), true);
}

namespace {

void PutWord(QByteArray& bytes, int value)
{
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
}

void PutLong(QByteArray& bytes, uint32_t value)
{
    PutWord(bytes, static_cast<int>(value & 0xFFFF));
    PutWord(bytes, static_cast<int>(value >> 16));
}

} // namespace

void WriteWmf(const QString& path)
{
    QByteArray bytes;
    // Placeable header: key, handle, bounding box 100 x 50, 96 units per
    // inch, reserved, then the checksum of the ten words before it.
    PutLong(bytes, 0x9AC6CDD7);
    for (int word : {0, 0, 0, 100, 50, 96})
        PutWord(bytes, word);
    PutLong(bytes, 0);
    int checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= (static_cast<uchar>(bytes[i]) | (static_cast<uchar>(bytes[i + 1]) << 8));
    PutWord(bytes, checksum);
    // Metafile header: in memory, 9 words, version 3; 35 words in all, one
    // object, records of at most 7 words.
    for (int word : {1, 9, 0x0300})
        PutWord(bytes, word);
    PutLong(bytes, 35);
    PutWord(bytes, 1);
    PutLong(bytes, 7);
    PutWord(bytes, 0);
    const std::vector<std::vector<int>> records = {
        {0x020C, 50, 100},                   // window extent
        {0x02FC, 0, 0x00FF, 0x0000, 0},      // solid red brush
        {0x012D, 0},                         // select it
        {0x041B, 50, 100, 0, 0},             // rectangle over the window
        {0x0000},                            // end of file
    };
    for (const std::vector<int>& record : records) {
        PutLong(bytes, static_cast<uint32_t>(2 + record.size()));
        for (int word : record)
            PutWord(bytes, word);
    }
    WriteBytes(path, bytes);
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace TestImages

#include "TestImages.h"

#include "viewer/PageSourceFactory.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <zlib.h>

namespace {

using namespace TestImages;

class EngineDamage : public testing::Test {
protected:
    QString Path(const QString& name) const { return m_folder.filePath(name); }

    // Opens and renders page 1 as the view would; a failure at either step
    // must come with a reason.
    bool OpensAndRenders(const QString& name, QString& error) const
    {
        const std::unique_ptr<CPageSource> source = PageSourceFactory::Open(Path(name), error);
        if (!source)
            return false;
        const QSize size = source->PageSize(0).boundedTo(QSize(640, 480));
        return !source->Render(0, size, QRect(QPoint(0, 0), size), error).isNull();
    }

    QTemporaryDir m_folder;
};

QByteArray PngChunk(const char* type, const QByteArray& data)
{
    QByteArray chunk;
    chunk.append(4, '\0');
    qToBigEndian(static_cast<quint32>(data.size()), chunk.data());
    const QByteArray body = QByteArray(type, 4) + data;
    chunk += body;
    QByteArray crc(4, '\0');
    qToBigEndian(static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), static_cast<uInt>(body.size()))),
                 crc.data());
    return chunk + crc;
}

// A valid PNG whose header claims `width` x `height` over a tiny stream.
QByteArray LyingPng(quint32 width, quint32 height)
{
    QByteArray header(13, '\0');
    qToBigEndian(width, header.data());
    qToBigEndian(height, header.data() + 4);
    header[8] = 8;  // bits
    header[9] = 2;  // RGB
    QByteArray pixels(64, '\0');
    uLongf packedSize = compressBound(64);
    QByteArray packed(static_cast<qsizetype>(packedSize), '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(pixels.constData()), 64);
    packed.resize(static_cast<qsizetype>(packedSize));
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + PngChunk("IHDR", header) + PngChunk("IDAT", packed) + PngChunk("IEND", {});
}

// A TIFF that claims a page of `width` x `height` in one strip of
// `rows` rows, with almost no data behind it.
void WriteLyingTiff(const QString& path, uint32_t width, uint32_t height, uint32_t rows)
{
    TIFF* tiff = TIFFOpen(QFile::encodeName(path).constData(), "w");
    ASSERT_NE(tiff, nullptr);
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, width);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, height);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, rows);
    const std::vector<uint8_t> row(width, 0);
    TIFFWriteScanline(tiff, const_cast<uint8_t*>(row.data()), 0, 0);
    TIFFClose(tiff);
}

// A GIF whose logical screen claims 65535 x 65535 around a 1x1 frame.
QByteArray LyingGif()
{
    QByteArray gif("GIF89a", 6);
    gif += QByteArray("\xFF\xFF\xFF\xFF\x80\0\0", 7);  // screen, global palette of 2
    gif += QByteArray(6, '\0');                          // the palette
    gif += QByteArray("\x2C\0\0\0\0\x01\0\x01\0\0", 10); // one 1x1 frame
    gif += QByteArray("\x02\x02\x44\x01\0\x3B", 6);       // its pixels, trailer
    return gif;
}

// A Sun raster header for 60000 x 60000 8-bit pixels and no pixels.
QByteArray LyingSunRaster()
{
    QByteArray header(32, '\0');
    const quint32 fields[] = {0x59A66A95, 60000, 60000, 8, 0, 1, 0, 0};
    for (int i = 0; i < 8; ++i)
        qToBigEndian(fields[i], header.data() + 4 * i);
    return header;
}

TEST_F(EngineDamage, BombsAndLyingHeadersFailWithAReason)
{
    WriteBytes(Path("png-bomb.png"), LyingPng(100000, 100000));
    WriteBytes(Path("gif-bomb.gif"), LyingGif());
    WriteBytes(Path("ras-bomb.ras"), LyingSunRaster());
    WriteLyingTiff(Path("huge.tif"), 1000000, 1000000, 1);
    WriteLyingTiff(Path("one-strip.tif"), 20000, 20000, 20000);
    for (const char* name : {"png-bomb.png", "gif-bomb.gif", "ras-bomb.ras", "huge.tif", "one-strip.tif"}) {
        QString error;
        EXPECT_FALSE(OpensAndRenders(name, error)) << name;
        EXPECT_FALSE(error.isEmpty()) << name;
    }
}

TEST_F(EngineDamage, NonImagesFailWithAReason)
{
    WriteBytes(Path("empty.png"), {});
    WriteBytes(Path("text.png"), "just some text, no image at all");
    WriteBytes(Path("fake.pdf"), "%PDF-1.4\nnot really\n");
    WriteBytes(Path("fake.tif"), QByteArray("II*\0\xFF\xFF\xFF\x7F", 8));
    QDir(m_folder.path()).mkdir("folder.png");
    struct Case {
        const char* name;
        const char* reason;  // a word the reason must hold
    } const cases[] = {
        {"missing.png", "exist"}, {"empty.png", "empty"}, {"text.png", "supported"},
        {"fake.pdf", "PDF"},      {"fake.tif", ""},       {"folder.png", "file"},
    };
    for (const Case& c : cases) {
        QString error;
        EXPECT_FALSE(OpensAndRenders(c.name, error)) << c.name;
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << c.name << ": " << error.toStdString();
    }
}

// Truncated and corrupted copies of good files of every engine: each either
// shows what it can or fails with a reason; none crashes or hangs.
TEST_F(EngineDamage, TruncatedAndCorruptedFilesNeverCrash)
{
    const QImage image = Quadrants(64, 48);
    ASSERT_TRUE(image.save(Path("good.png"), "png"));
    ASSERT_TRUE(image.save(Path("good.jpg"), "jpeg"));
    ASSERT_TRUE(image.save(Path("good.bmp"), "bmp"));
    WriteWithMagick(Path("good.psd"), "PSD", {image});
    WriteWithMagick(Path("good.jp2"), "JP2", {image});
    WriteWithMagick(Path("good.pcx"), "PCX", {image});
    WriteWithMagick(Path("good.tga"), "TGA", {image});
    WriteWithMagick(Path("good.ico"), "ICO", {image});
    WriteTiff(Path("good.tif"), FivePages());
    WritePdf(Path("good.pdf"), 3);
    WriteAnimatedGif(Path("good.gif"));
    for (const char* name : {"good.png", "good.jpg", "good.bmp", "good.psd", "good.jp2", "good.pcx", "good.tga",
                             "good.ico", "good.tif", "good.pdf", "good.gif"}) {
        const QByteArray bytes = ReadBytes(Path(name));
        ASSERT_FALSE(bytes.isEmpty()) << name;
        const QString suffix = QFileInfo(name).suffix();
        QByteArray flipped = bytes;
        for (qsizetype i = bytes.size() / 3; i < bytes.size(); i += 7)
            flipped[i] = static_cast<char>(~flipped[i]);
        const QByteArray damaged[] = {bytes.left(bytes.size() / 2), bytes.left(20), flipped};
        for (size_t variant = 0; variant < std::size(damaged); ++variant) {
            const QString damagedName = QStringLiteral("damaged-%1.%2").arg(variant).arg(suffix);
            WriteBytes(Path(damagedName), damaged[variant]);
            QString error;
            if (!OpensAndRenders(damagedName, error)) {
                EXPECT_FALSE(error.isEmpty()) << name << " variant " << variant;
            }
        }
    }
}

} // namespace

#include "TestImages.h"

#include "viewer/TiffSplitter.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

using namespace TestImages;

struct TiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
using TiffHandle = std::unique_ptr<TIFF, TiffCloser>;

TiffHandle OpenTiff(const QString& path)
{
    return TiffHandle(TIFFOpen(QFile::encodeName(path).constData(), "r"));
}

// What a directory holds as stored: its strips or tiles byte for byte, its
// size, compression and page number tag.
struct Directory {
    uint32_t width = 0;
    uint32_t height = 0;
    uint16_t compression = 0;
    uint16_t pageIndex = 0;
    uint16_t pageCount = 0;
    std::vector<QByteArray> chunks;
};

std::vector<Directory> ReadDirectories(const QString& path)
{
    std::vector<Directory> directories;
    const TiffHandle tiff = OpenTiff(path);
    if (!tiff)
        return directories;
    do {
        Directory directory;
        TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &directory.width);
        TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &directory.height);
        TIFFGetField(tiff.get(), TIFFTAG_COMPRESSION, &directory.compression);
        TIFFGetField(tiff.get(), TIFFTAG_PAGENUMBER, &directory.pageIndex, &directory.pageCount);
        const bool tiled = TIFFIsTiled(tiff.get());
        const uint32_t count = tiled ? TIFFNumberOfTiles(tiff.get()) : TIFFNumberOfStrips(tiff.get());
        for (uint32_t chunk = 0; chunk < count; ++chunk) {
            QByteArray bytes(1 << 20, '\0');
            const tmsize_t size = tiled ? TIFFReadRawTile(tiff.get(), chunk, bytes.data(), bytes.size())
                                        : TIFFReadRawStrip(tiff.get(), chunk, bytes.data(), bytes.size());
            bytes.resize(std::max<tmsize_t>(size, 0));
            directory.chunks.push_back(bytes);
        }
        directories.push_back(directory);
    } while (TIFFReadDirectory(tiff.get()));
    return directories;
}

class Split : public testing::Test {
protected:
    void SetUp() override { WriteTiff(Path("five.tif"), FivePages()); }
    QString Path(const QString& name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
};

// Each output holds its share of the pages exactly as stored, strip for
// strip, numbered anew from 0 with its own count.
void ExpectPart(const std::vector<Directory>& part, const std::vector<Directory>& source, size_t first)
{
    for (size_t index = 0; index < part.size(); ++index) {
        const Directory& copy = part[index];
        const Directory& original = source[first + index];
        EXPECT_EQ(copy.width, original.width);
        EXPECT_EQ(copy.height, original.height);
        EXPECT_EQ(copy.compression, original.compression);
        EXPECT_EQ(copy.chunks, original.chunks) << "page " << first + index + 1;
        EXPECT_EQ(copy.pageIndex, index);
        EXPECT_EQ(copy.pageCount, part.size());
    }
}

TEST_F(Split, PagesDivideAtThePageWithoutReencoding)
{
    const std::vector<Directory> source = ReadDirectories(Path("five.tif"));
    ASSERT_EQ(source.size(), 5u);
    for (int page : {1, 2, 4}) {
        const QString first = Path(QStringLiteral("a%1.tif").arg(page));
        const QString second = Path(QStringLiteral("b%1.tif").arg(page));
        QString error;
        ASSERT_TRUE(TiffSplitter::Split(Path("five.tif"), page, first, second, error)) << error.toStdString();
        const std::vector<Directory> head = ReadDirectories(first);
        const std::vector<Directory> tail = ReadDirectories(second);
        ASSERT_EQ(head.size(), static_cast<size_t>(page));
        ASSERT_EQ(tail.size(), static_cast<size_t>(5 - page));
        ExpectPart(head, source, 0);
        ExpectPart(tail, source, static_cast<size_t>(page));
    }
}

TEST_F(Split, ABigEndianSourceStaysBigEndian)
{
    WriteTiff(Path("motorola.tif"), {{32, 16, COMPRESSION_NONE}, {16, 32, COMPRESSION_LZW}}, true);
    QString error;
    ASSERT_TRUE(TiffSplitter::Split(Path("motorola.tif"), 1, Path("m1.tif"), Path("m2.tif"), error)) << error.toStdString();
    EXPECT_TRUE(TIFFIsBigEndian(OpenTiff(Path("m2.tif")).get()));
    ExpectPart(ReadDirectories(Path("m2.tif")), ReadDirectories(Path("motorola.tif")), 1);
}

TEST_F(Split, NothingIsWrittenUnlessBothPartsGetPages)
{
    ASSERT_TRUE(Quadrants(8, 8).save(Path("flat.png"), "png"));
    WriteBytes(Path("old2.tif"), "an older second part");
    struct Case {
        const char* name;
        const char* source;
        int page;
        const char* first;
        const char* second;
    } const cases[] = {
        {"page 0", "five.tif", 0, "n1.tif", "n2.tif"},
        {"the last page", "five.tif", 5, "n1.tif", "n2.tif"},
        {"past the end", "five.tif", 6, "n1.tif", "n2.tif"},
        {"negative", "five.tif", -1, "n1.tif", "n2.tif"},
        {"not a TIFF", "flat.png", 1, "n1.tif", "n2.tif"},
        {"missing source", "missing.tif", 1, "n1.tif", "n2.tif"},
        {"one name for both parts", "five.tif", 2, "same.tif", "same.tif"},
        {"an existing output is kept", "five.tif", 9, "n1.tif", "old2.tif"},
    };
    for (const Case& c : cases) {
        QString error;
        EXPECT_FALSE(TiffSplitter::Split(Path(c.source), c.page, Path(c.first), Path(c.second), error)) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
        EXPECT_FALSE(QFileInfo::exists(Path("n1.tif"))) << c.name;
        EXPECT_FALSE(QFileInfo::exists(Path("n2.tif"))) << c.name;
        EXPECT_FALSE(QFileInfo::exists(Path("same.tif"))) << c.name;
    }
    EXPECT_EQ(ReadBytes(Path("old2.tif")), QByteArray("an older second part"));
}

} // namespace

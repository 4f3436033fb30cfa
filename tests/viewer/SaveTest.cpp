#include "TestImages.h"

#include "viewer/DocumentSaver.h"
#include "viewer/PageSourceFactory.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace TestImages;
using namespace std::string_view_literals;

class Save : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Quadrants(64, 48).save(Path("source.png"), "png"));
        WriteTiff(Path("five.tif"), FivePages());
    }

    QString Path(const QString& name) const { return m_folder.filePath(name); }

    std::unique_ptr<CPageSource> Open(const QString& name) const
    {
        QString error;
        std::unique_ptr<CPageSource> source = PageSourceFactory::Open(Path(name), error);
        EXPECT_TRUE(source) << name.toStdString() << ": " << error.toStdString();
        return source;
    }

    bool SaveFrom(const QString& sourceName, int shown, const QString& target, const QString& format, int a, int b,
                  QString* reason = nullptr) const
    {
        const std::unique_ptr<CPageSource> source = Open(sourceName);
        QString error;
        const bool saved = source && DocumentSaver::Save(*source, shown, Path(target), format, a, b, error);
        if (reason)
            *reason = error;
        return saved;
    }

    QImage Page(CPageSource& source, int index) const
    {
        QString error;
        const QSize size = source.PageSize(index);
        return source.Render(index, size, QRect(QPoint(0, 0), size), error);
    }

    QStringList FolderEntries() const { return QDir(m_folder.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir m_folder;
};

enum class Check { Colour, Grey, Bilevel };

struct FormatCase {
    const char* format;
    std::string_view signature;  // the written file's first bytes
    int tolerance;
    Check check = Check::Colour;
};

const FormatCase kFormats[] = {
    {"Bmp", "BM"sv, 0},
    {"JPG", "\xFF\xD8\xFF"sv, 10},
    {"TIF", "II*"sv, 0},
    {"PDF", "%PDF-"sv, 1},
    {"WBMP", "\0\0"sv, 0, Check::Bilevel},
    {"GIF", "GIF8"sv, 0},
    {"PCX", "\x0A"sv, 0},
    {"TGA", ""sv, 0},
    {"ICO", "\0\0\1\0"sv, 0},
    {"JP2", "\0\0\0\x0CjP  "sv, 6},
    {"JPC", "\xFF\x4F\xFF\x51"sv, 6},  // a raw codestream, not a boxed file
    {"RAS", "\x59\xA6\x6A\x95"sv, 0},
    {"PGX", "PG ML"sv, 2, Check::Grey},
    {"PNM", "P6"sv, 0},                  // binary, not ASCII
    {"PNG", "\x89PNG"sv, 0},
};

void ExpectPixels(const QImage& image, const FormatCase& c)
{
    if (c.check == Check::Bilevel) {
        // Bright white stays white and dark blue turns black.
        EXPECT_EQ(qGray(image.pixel(image.width() * 3 / 4, image.height() * 3 / 4)), 255) << c.format;
        EXPECT_EQ(qGray(image.pixel(image.width() / 4, image.height() * 3 / 4)), 0) << c.format;
        return;
    }
    EXPECT_LE(QuadrantError(image, c.check == Check::Grey), c.tolerance) << c.format;
}

// Every format round-trips: the file is what its format says, reopens with
// the size the two integers asked for, and shows the source's pixels.
TEST_F(Save, EveryFormatRoundTripsAtTheRequestedSize)
{
    for (const FormatCase& c : kFormats) {
        const QString target = QStringLiteral("out.%1").arg(QString::fromLatin1(c.format).toLower());
        QString reason;
        ASSERT_TRUE(SaveFrom("source.png", 0, target, QString::fromLatin1(c.format).toLower(), 160, 120, &reason))
            << c.format << ": " << reason.toStdString();
        const QByteArray head = ReadBytes(Path(target)).left(16);
        EXPECT_TRUE(head.startsWith(QByteArray(c.signature.data(), static_cast<qsizetype>(c.signature.size())))) << c.format;
        const std::unique_ptr<CPageSource> saved = Open(target);
        ASSERT_TRUE(saved) << c.format;
        EXPECT_EQ(saved->PageCount(), 1) << c.format;
        EXPECT_EQ(saved->PageSize(0), QSize(160, 120)) << c.format;
        ExpectPixels(Page(*saved, 0), c);
    }
}

TEST_F(Save, DocumentFormatsTakeEveryPageOthersThePageShown)
{
    // Pages keep their own sizes when neither integer is positive, except
    // in a GIF, whose frames share the largest page's canvas. A single-page
    // format gets the page shown, the fourth.
    const std::vector<TiffPage> pages = FivePages();
    const auto sizeOf = [&pages](size_t index) { return QSize(pages[index].width, pages[index].height); };
    struct Case {
        const char* format;
        int pages;
        QSize first;
        QSize last;
    } const cases[] = {
        {"TIF", 5, sizeOf(0), sizeOf(4)}, {"PDF", 5, sizeOf(0), sizeOf(4)}, {"GIF", 5, {100, 64}, {100, 64}},
        {"PNG", 1, sizeOf(3), sizeOf(3)}, {"Bmp", 1, sizeOf(3), sizeOf(3)},
    };
    for (const Case& c : cases) {
        const QString target = QStringLiteral("doc.%1").arg(QString::fromLatin1(c.format).toLower());
        ASSERT_TRUE(SaveFrom("five.tif", 3, target, QString::fromLatin1(c.format), 0, 0)) << c.format;
        const std::unique_ptr<CPageSource> saved = Open(target);
        ASSERT_TRUE(saved);
        ASSERT_EQ(saved->PageCount(), c.pages) << c.format;
        EXPECT_EQ(saved->PageSize(0), c.first) << c.format;
        EXPECT_EQ(saved->PageSize(c.pages - 1), c.last) << c.format;
    }
}

TEST_F(Save, OneIntegerKeepsTheAspectAndIconsFitIn256)
{
    ASSERT_TRUE(SaveFrom("source.png", 0, "wide.png", "PNG", 320, 0));
    EXPECT_EQ(Open("wide.png")->PageSize(0), QSize(320, 240));
    ASSERT_TRUE(SaveFrom("source.png", 0, "tall.png", "PNG", -1, 24));
    EXPECT_EQ(Open("tall.png")->PageSize(0), QSize(32, 24));
    ASSERT_TRUE(SaveFrom("source.png", 0, "icon.ico", "ICO", 1024, 512));
    EXPECT_EQ(Open("icon.ico")->PageSize(0), QSize(256, 128));
}

TEST_F(Save, PdfKeepsPixelsExactly)
{
    ASSERT_TRUE(SaveFrom("source.png", 0, "lossless.pdf", "PDF", 0, 0));
    const QByteArray pdf = ReadBytes(Path("lossless.pdf"));
    EXPECT_TRUE(pdf.contains("/FlateDecode"));
    EXPECT_FALSE(pdf.contains("/DCTDecode"));
    const std::unique_ptr<CPageSource> saved = Open("lossless.pdf");
    ASSERT_EQ(saved->PageSize(0), QSize(64, 48));
    EXPECT_EQ(QuadrantError(Page(*saved, 0)), 0);
}

TEST_F(Save, AFailedSaveLeavesTheExistingFileAndNoLeftovers)
{
    struct Case {
        const char* name;
        const char* format;
        int a;
        int b;
    } const cases[] = {
        {"unknown format", "WEBP", 0, 0},
        {"output too large to hold", "PNG", 32767, 32767},
        {"document format, output too large", "TIF", 32767, 32000},
    };
    const QByteArray precious("precious contents");
    for (const Case& c : cases) {
        WriteBytes(Path("keep.png"), precious);
        const QStringList before = FolderEntries();
        QString reason;
        EXPECT_FALSE(SaveFrom("source.png", 0, "keep.png", c.format, c.a, c.b, &reason)) << c.name;
        EXPECT_FALSE(reason.isEmpty()) << c.name;
        EXPECT_EQ(ReadBytes(Path("keep.png")), precious) << c.name;
        EXPECT_EQ(FolderEntries(), before) << c.name;
    }
    QString reason;
    EXPECT_FALSE(SaveFrom("source.png", 0, "no/such/folder/x.png", "PNG", 0, 0, &reason));
}

TEST_F(Save, SavingOverTheFileBeingViewedIsSafe)
{
    const std::unique_ptr<CPageSource> viewed = Open("five.tif");
    QString error;
    ASSERT_TRUE(DocumentSaver::Save(*viewed, 0, Path("five.tif"), "TIF", 32, 24, error)) << error.toStdString();
    // The open document still reads its old pages; the file holds the new.
    EXPECT_FALSE(Page(*viewed, 4).isNull());
    const std::unique_ptr<CPageSource> reopened = Open("five.tif");
    ASSERT_EQ(reopened->PageCount(), 5);
    EXPECT_EQ(reopened->PageSize(2), QSize(32, 24));
}

} // namespace

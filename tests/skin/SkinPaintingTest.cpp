#include "skin/SkinPainting.h"
#include "tests/support/SkinFixture.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <random>

namespace {

constexpr COLORREF kMagenta = MakeColorRef(255, 0, 255);

TEST(LoadBitmapFile, ReadsBitmapsOfEveryDepthAsOpaque32Bit)
{
    SkinFixture skin;
    QImage colour = SolidImage(7, 5, QColor(10, 20, 30), 2, Qt::magenta);
    skin.WriteBitmap("24.bmp", colour);
    QImage indexed = colour.convertToFormat(QImage::Format_Indexed8);
    ASSERT_TRUE(indexed.save(QString::fromStdString(skin.Folder() + "8.bmp"), "BMP"));
    QImage mono(9, 3, QImage::Format_Mono);
    mono.fill(1);
    ASSERT_TRUE(mono.save(QString::fromStdString(skin.Folder() + "1.bmp"), "BMP"));

    for (const char* name : { "24.bmp", "8.bmp" }) {
        QImage loaded;
        ASSERT_TRUE(LoadBitmapFile(skin.Folder() + name, loaded)) << name;
        EXPECT_EQ(loaded.format(), QImage::Format_RGB32) << name;
        EXPECT_EQ(loaded.size(), QSize(7, 5)) << name;
        EXPECT_EQ(loaded.pixel(0, 0), qRgb(255, 0, 255)) << name;
        EXPECT_EQ(loaded.pixel(6, 4), qRgb(10, 20, 30)) << name;
    }
    QImage loaded;
    ASSERT_TRUE(LoadBitmapFile(skin.Folder() + "1.bmp", loaded));
    EXPECT_EQ(loaded.size(), QSize(9, 3));
}

TEST(LoadBitmapFile, AnythingElseFailsAndEmptiesTheImage)
{
    SkinFixture skin;
    skin.WriteBitmap("good.bmp", SolidImage(4, 4, Qt::blue));
    ASSERT_TRUE(SolidImage(4, 4, Qt::red).save(QString::fromStdString(skin.Folder() + "png.bmp"), "PNG"));
    skin.WriteFile("text.bmp", "not a bitmap");
    skin.WriteFile("empty.bmp", "");
    // A header that promises far more pixels than the file holds.
    skin.WriteFile("truncated.bmp", std::string("BM\x36\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00"
                                                "\x00\x10\x00\x00\x00\x10\x00\x00\x01\x00\x18\x00",
                                        30));

    for (const char* name : { "png.bmp", "text.bmp", "empty.bmp", "truncated.bmp", "missing.bmp", "" }) {
        QImage image;
        ASSERT_TRUE(LoadBitmapFile(skin.Folder() + "good.bmp", image));
        EXPECT_FALSE(LoadBitmapFile(skin.Folder() + name, image)) << name;
        EXPECT_TRUE(image.isNull()) << name;
    }
}

// The shape as one 1 x 1 region per pixel would give it.
QRegion PerPixelReference(const QImage& image, COLORREF key)
{
    QRegion region(image.rect());
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if ((image.pixel(x, y) & 0xFFFFFF) == ToRgbWord(key))
                region = region.xored(QRegion(x, y, 1, 1));
        }
    }
    return region;
}

TEST(BuildShapeRegion, EqualsThePerPixelRegion)
{
    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        QImage image(1 + static_cast<int>(random() % 24), 1 + static_cast<int>(random() % 24), QImage::Format_RGB32);
        const auto density = random() % 100;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, random() % 100 < density ? qRgb(255, 0, 255) : qRgb(0, 0, 255));
        }
        std::size_t removed = 0;
        const QRegion region = BuildShapeRegion(image, kMagenta, &removed);
        const QRegion reference = PerPixelReference(image, kMagenta);
        ASSERT_EQ(region, reference) << "round " << round;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                ASSERT_EQ(region.contains(QPoint(x, y)), image.pixel(x, y) != qRgb(255, 0, 255));
        }
        std::size_t keyPixels = 0;
        for (const QRect& cut : QRegion(image.rect()) - reference)
            keyPixels += static_cast<std::size_t>(cut.width() * cut.height());
        EXPECT_EQ(removed, keyPixels);
    }
}

TEST(BuildShapeRegion, TakesImagesOfOtherFormats)
{
    QImage image = SolidImage(6, 6, Qt::blue, 3).convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(BuildShapeRegion(image, kMagenta), QRegion(0, 0, 6, 6) - QRegion(0, 0, 3, 3));
}

QImage Canvas()
{
    QImage canvas(20, 20, QImage::Format_RGB32);
    canvas.fill(Qt::green);
    return canvas;
}

TEST(DrawTransparentBitmap, LeavesOutTheKeyColourAndCopiesTheTopLeftPart)
{
    QImage canvas = Canvas();
    const QImage picture = SolidImage(10, 10, Qt::blue, 4);
    {
        QPainter painter(&canvas);
        DrawTransparentBitmap(painter, picture, QRect(5, 5, 6, 6), kMagenta);
    }
    EXPECT_EQ(canvas.pixel(5, 5), QColor(Qt::green).rgb());   // key corner left out
    EXPECT_EQ(canvas.pixel(9, 9), QColor(Qt::blue).rgb());    // picture
    EXPECT_EQ(canvas.pixel(10, 10), QColor(Qt::blue).rgb());
    EXPECT_EQ(canvas.pixel(11, 11), QColor(Qt::green).rgb()); // beyond the rectangle
}

TEST(DrawTransparentBitmap, WithoutTransparentColourDrawsEveryPixel)
{
    QImage canvas = Canvas();
    {
        QPainter painter(&canvas);
        DrawTransparentBitmap(painter, SolidImage(4, 4, Qt::blue, 2), QRect(0, 0, 4, 4), kNoColor);
        DrawTransparentBitmap(painter, QImage(), QRect(8, 8, 4, 4), kMagenta);
    }
    EXPECT_EQ(canvas.pixel(0, 0), QColor(Qt::magenta).rgb());
    EXPECT_EQ(canvas.pixel(9, 9), QColor(Qt::green).rgb());
}

TEST(DrawBitmap, CopiesOneToOneFromTheTopLeftCorner)
{
    QImage canvas = Canvas();
    {
        QPainter painter(&canvas);
        DrawBitmap(painter, SolidImage(8, 8, Qt::blue, 2, Qt::red), QRect(0, 0, 20, 20));
    }
    EXPECT_EQ(canvas.pixel(1, 1), QColor(Qt::red).rgb());
    EXPECT_EQ(canvas.pixel(2, 2), QColor(Qt::blue).rgb());
    EXPECT_EQ(canvas.pixel(7, 7), QColor(Qt::blue).rgb());
    EXPECT_EQ(canvas.pixel(8, 8), QColor(Qt::green).rgb()); // not stretched
}

} // namespace

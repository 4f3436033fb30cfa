#include "skin/SkinPainting.h"

#include "skin/WindowRegion.h"

#include <QImageReader>
#include <QPainter>
#include <QString>
#include <vector>

bool LoadBitmapFile(const std::string& path, QImage& bmp)
{
    bmp = QImage();
    // The format is fixed, not guessed: a file that is not a Windows bitmap
    // fails to load, whatever image it may hold.
    QImageReader reader(QString::fromStdString(path), "bmp");
    reader.setDecideFormatFromContent(false);
    QImage image;
    if (!reader.read(&image))
        return false;
    bmp = image.convertToFormat(QImage::Format_RGB32);
    return !bmp.isNull();
}

void DrawBitmap(QPainter& painter, const QImage& bmp, const QRect& rc)
{
    if (bmp.isNull())
        return;
    painter.drawImage(rc.topLeft(), bmp, QRect(QPoint(0, 0), rc.size()));
}

void DrawTransparentBitmap(QPainter& painter, const QImage& bmp, const QRect& rc, COLORREF key)
{
    if (bmp.isNull() || rc.isEmpty())
        return;
    QImage part = bmp.copy(QRect(QPoint(0, 0), rc.size())).convertToFormat(QImage::Format_ARGB32);
    if (IsPixelColor(key)) {
        const QRgb keyRgb = ToRgbWord(key);
        for (int y = 0; y < part.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(part.scanLine(y));
            for (int x = 0; x < part.width(); ++x) {
                if ((row[x] & 0xFFFFFFu) == keyRgb)
                    row[x] = 0;
            }
        }
    }
    painter.drawImage(rc.topLeft(), part);
}

QRegion BuildShapeRegion(const QImage& bmp, COLORREF key, std::size_t* removedPixels)
{
    const QImage pixels = bmp.format() == QImage::Format_RGB32 ? bmp : bmp.convertToFormat(QImage::Format_RGB32);
    const WindowShape shape = BuildWindowShape(reinterpret_cast<const std::uint32_t*>(pixels.constBits()),
        pixels.width(), pixels.height(), pixels.bytesPerLine() / 4, key);
    if (removedPixels)
        *removedPixels = shape.removedPixels;

    std::vector<QRect> rects;
    rects.reserve(shape.rects.size());
    for (const SkinRect& rc : shape.rects)
        rects.push_back(ToQRect(rc));
    QRegion region;
    // The bands are already in the form a region keeps internally, so they
    // are handed over in one piece instead of being united one by one.
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

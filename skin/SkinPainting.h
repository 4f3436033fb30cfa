#pragma once

#include "skin/ColorRef.h"
#include "skin/SkinFields.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <string>

class QPainter;

// Loads a Windows bitmap file as a 32-bit opaque image; false, with `bmp`
// emptied, when the file is missing or is not a bitmap the reader accepts.
bool LoadBitmapFile(const std::string& path, QImage& bmp);

// Copies `bmp` 1:1 from its top-left corner into `rc`; nothing when empty.
void DrawBitmap(QPainter& painter, const QImage& bmp, const QRect& rc);

// Copies the top-left `rc.size()` part of `bmp` to `rc`, leaving out the
// pixels of colour `key`; nothing when empty.
void DrawTransparentBitmap(QPainter& painter, const QImage& bmp, const QRect& rc, COLORREF key);

// The region of the pixels of `bmp` that are not of colour `key`, and how
// many were cut out.
QRegion BuildShapeRegion(const QImage& bmp, COLORREF key, std::size_t* removedPixels = nullptr);

inline QColor ToQColor(COLORREF c)
{
    return QColor(static_cast<int>(RedOf(c)), static_cast<int>(GreenOf(c)), static_cast<int>(BlueOf(c)));
}

// A skin rectangle as Qt's: left and top kept, a negative size becomes 0.
inline QRect ToQRect(const SkinRect& rc)
{
    return QRect(rc.left, rc.top, rc.Width() > 0 ? rc.Width() : 0, rc.Height() > 0 ? rc.Height() : 0);
}

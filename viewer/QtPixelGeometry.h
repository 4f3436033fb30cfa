#pragma once

#include "viewer/PixelGeometry.h"

#include <QRect>
#include <QSize>

// Conversions between Qt's sizes and rectangles and those of the Qt-free
// view arithmetic.
namespace QtPixelGeometry {

inline QRect ToQRect(const PixelRect& rect)
{
    return {rect.x, rect.y, rect.width, rect.height};
}

inline PixelRect ToPixelRect(const QRect& rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

inline QSize ToQSize(PixelSize size)
{
    return {size.width, size.height};
}

inline PixelSize ToPixelSize(QSize size)
{
    return {size.width(), size.height()};
}

} // namespace QtPixelGeometry

#include "viewer/RasterScaling.h"

namespace RasterScaling {

QImage ScaledClip(const QImage& full, QSize size, QRect clip)
{
    if (full.isNull() || size.isEmpty())
        return {};
    const QRect bounded = clip.intersected(QRect(QPoint(0, 0), size));
    if (size == full.size())
        return bounded == full.rect() ? full : full.copy(bounded);
    // The view asks raster engines for no more than the page's own size, and
    // a save for its output size, so scaling whole stays within bounds.
    const QImage scaled = full.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return bounded == scaled.rect() ? scaled : scaled.copy(bounded);
}

} // namespace RasterScaling

#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// Scaling for engines that decode a whole page at its own size: smooth
// (area-averaging) when shrinking, so nothing aliases, then the clip.
namespace RasterScaling {

QImage ScaledClip(const QImage& full, QSize size, QRect clip);

} // namespace RasterScaling

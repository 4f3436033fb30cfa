#pragma once

#include "viewer/PixelGeometry.h"

// The size that SaveAs writes, from the page's size and the caller's two
// integers: both positive give exactly a x b; one not positive takes that
// side from the other, keeping the page's aspect; neither positive keeps the
// page's size.
namespace SaveSize {

PixelSize OutputSize(PixelSize page, int a, int b);

// `size` shrunk, keeping its aspect, until neither side exceeds `maxSide`.
PixelSize FitWithin(PixelSize size, int maxSide);

} // namespace SaveSize

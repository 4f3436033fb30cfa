#pragma once

#include "skin/ColorRef.h"
#include "skin/SkinFields.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The shape of a skinned window: every pixel of its background except those
// of the transparent colour, as rectangles in bands. Each band is a run of
// rows with the same opaque runs; within a band the rectangles are sorted by
// x, share top and bottom, and neither overlap nor touch, so they form a
// region without further merging.
struct WindowShape {
    std::vector<SkinRect> rects;
    std::size_t removedPixels = 0;
};

// `pixels` holds `height` rows of `width` 32-bit words laid out 0x??RRGGBB
// (the alpha byte is ignored), `stride` words from one row to the next. A
// pixel is cut out when its colour equals `key` exactly; a key that is not a
// pixel colour (kNoColor) cuts out nothing.
WindowShape BuildWindowShape(const std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride, COLORREF key);

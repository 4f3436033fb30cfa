#include "viewer/PixelGeometry.h"

#include <algorithm>

PixelRect PixelRect::Intersected(const PixelRect& other) const
{
    const int left = std::max(x, other.x);
    const int top = std::max(y, other.y);
    const int right = std::min(Right(), other.Right());
    const int bottom = std::min(Bottom(), other.Bottom());
    if (right <= left || bottom <= top)
        return {};
    return {left, top, right - left, bottom - top};
}

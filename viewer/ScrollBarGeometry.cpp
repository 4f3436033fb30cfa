#include "viewer/ScrollBarGeometry.h"

#include <algorithm>
#include <cmath>

namespace ScrollBarGeometry {

bool IsNeeded(int content, int view)
{
    return content > view && view > 0;
}

Thumb ThumbOf(int track, int content, int view, int scroll)
{
    if (!IsNeeded(content, view) || track <= 0)
        return {0, std::max(track, 0)};
    const int length = std::clamp(static_cast<int>(std::lround(static_cast<double>(track) * view / content)),
                                  std::min(kMinThumbLength, track), track);
    const int range = content - view;
    const int travel = track - length;
    const double share = static_cast<double>(std::clamp(scroll, 0, range)) / range;
    return {static_cast<int>(std::lround(share * travel)), length};
}

int ScrollForThumb(int thumbStart, int track, int content, int view)
{
    if (!IsNeeded(content, view))
        return 0;
    const int travel = track - ThumbOf(track, content, view, 0).length;
    if (travel <= 0)
        return 0;
    const double share = static_cast<double>(std::clamp(thumbStart, 0, travel)) / travel;
    return static_cast<int>(std::lround(share * (content - view)));
}

} // namespace ScrollBarGeometry

#include "viewer/ViewGeometry.h"

#include <algorithm>
#include <cmath>

namespace ViewGeometry {
namespace {

int ClampAxis(int scroll, int scaled, int view)
{
    return std::clamp(scroll, 0, std::max(0, scaled - view));
}

int PageOrigin(int scaled, int view, int scroll)
{
    return scaled < view ? (view - scaled) / 2 : -ClampAxis(scroll, scaled, view);
}

int CentredScroll(int oldScaled, int newScaled, int view, int oldScroll)
{
    const double centre = oldScaled <= view ? 0.5 : (ClampAxis(oldScroll, oldScaled, view) + view / 2.0) / oldScaled;
    return ClampAxis(static_cast<int>(std::lround(centre * newScaled - view / 2.0)), newScaled, view);
}

} // namespace

double FitZoom(PixelSize page, PixelSize view)
{
    if (page.IsEmpty() || view.IsEmpty())
        return 1.0;
    const double fit = std::min(static_cast<double>(view.width) / page.width, static_cast<double>(view.height) / page.height);
    return std::min(1.0, fit);
}

PixelSize ScaledSize(PixelSize page, double zoom)
{
    auto side = [zoom](int length) {
        return static_cast<int>(std::clamp(std::lround(length * zoom), 1L, 1L << 30));
    };
    return {side(page.width), side(page.height)};
}

PixelPoint ClampScroll(PixelPoint scroll, PixelSize scaled, PixelSize view)
{
    return {ClampAxis(scroll.x, scaled.width, view.width), ClampAxis(scroll.y, scaled.height, view.height)};
}

PixelRect PageRectInView(PixelSize scaled, PixelSize view, PixelPoint scroll)
{
    return {PageOrigin(scaled.width, view.width, scroll.x), PageOrigin(scaled.height, view.height, scroll.y), scaled.width,
            scaled.height};
}

PixelRect VisibleScaledRect(PixelSize scaled, PixelSize view, PixelPoint scroll)
{
    const PixelRect page = PageRectInView(scaled, view, scroll);
    const PixelRect shown = PixelRect{0, 0, view.width, view.height}.Intersected(page);
    if (shown.IsEmpty())
        return {};
    return {shown.x - page.x, shown.y - page.y, shown.width, shown.height};
}

PixelPoint ScrollKeepingCentre(PixelSize oldScaled, PixelSize newScaled, PixelSize view, PixelPoint oldScroll)
{
    return {CentredScroll(oldScaled.width, newScaled.width, view.width, oldScroll.x),
            CentredScroll(oldScaled.height, newScaled.height, view.height, oldScroll.y)};
}

PixelRect MapRect(const PixelRect& rect, PixelSize from, PixelSize to)
{
    if (from.IsEmpty() || to.IsEmpty())
        return {};
    const double sx = static_cast<double>(to.width) / from.width;
    const double sy = static_cast<double>(to.height) / from.height;
    const int left = static_cast<int>(std::floor(rect.x * sx));
    const int top = static_cast<int>(std::floor(rect.y * sy));
    const int right = static_cast<int>(std::ceil(rect.Right() * sx));
    const int bottom = static_cast<int>(std::ceil(rect.Bottom() * sy));
    return PixelRect{left, top, right - left, bottom - top}.Intersected({0, 0, to.width, to.height});
}

PixelSize RenderedSize(PixelSize page, double zoom, bool scalable)
{
    return ScaledSize(page, scalable ? zoom : std::min(zoom, 1.0));
}

PixelRect RenderRequest(PixelSize rendered, const PixelRect& needed, int64_t wholePixels)
{
    const PixelRect whole{0, 0, rendered.width, rendered.height};
    if (rendered.Area() <= wholePixels)
        return whole;
    return PixelRect{needed.x - needed.width, needed.y - needed.height, needed.width * 3, needed.height * 3}.Intersected(whole);
}

} // namespace ViewGeometry

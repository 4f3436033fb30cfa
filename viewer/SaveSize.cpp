#include "viewer/SaveSize.h"

#include <algorithm>
#include <cmath>

namespace SaveSize {
namespace {

int Proportional(int side, int numerator, int denominator)
{
    const double value = std::round(static_cast<double>(side) * numerator / denominator);
    return static_cast<int>(std::clamp(value, 1.0, static_cast<double>(1 << 30)));
}

} // namespace

PixelSize OutputSize(PixelSize page, int a, int b)
{
    if (page.IsEmpty())
        return {};
    if (a > 0 && b > 0)
        return {a, b};
    if (a > 0)
        return {a, Proportional(a, page.height, page.width)};
    if (b > 0)
        return {Proportional(b, page.width, page.height), b};
    return page;
}

PixelSize FitWithin(PixelSize size, int maxSide)
{
    if (size.IsEmpty() || (size.width <= maxSide && size.height <= maxSide))
        return size;
    if (size.width >= size.height)
        return {maxSide, Proportional(maxSide, size.height, size.width)};
    return {Proportional(maxSide, size.width, size.height), maxSide};
}

} // namespace SaveSize

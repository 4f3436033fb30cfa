#include "viewer/ZoomLadder.h"

#include <array>

namespace ZoomLadder {
namespace {

constexpr std::array<double, 11> kSteps{0.10, 0.25, 1.0 / 3.0, 0.50, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0, 8.0};
constexpr std::array<double, 7> kViewModes{0.25, 1.0 / 3.0, 0.50, 0.75, 1.0, 1.5, 2.0};

// A fitted zoom that lands within rounding of a step counts as that step, so
// ZoomIn from a fit of exactly 50 % goes to 75 %, not to 50 % again.
constexpr double kSameZoom = 1e-6;

} // namespace

std::optional<double> ZoomOfViewMode(int16_t mode)
{
    if (mode < 1 || mode > static_cast<int16_t>(kViewModes.size()))
        return std::nullopt;
    return kViewModes[static_cast<size_t>(mode - 1)];
}

double StepIn(double zoom)
{
    for (double step : kSteps) {
        if (step > zoom + kSameZoom)
            return step;
    }
    return zoom;
}

double StepOut(double zoom)
{
    for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it) {
        if (*it < zoom - kSameZoom)
            return *it;
    }
    return zoom;
}

} // namespace ZoomLadder

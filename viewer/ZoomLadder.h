#pragma once

#include <cstdint>
#include <optional>

// The fixed zoom steps that ZoomIn and ZoomOut walk, and the zooms of the
// numbered view modes. Zooms are factors: 1.0 shows a page pixel per screen
// pixel.
namespace ZoomLadder {

// The view mode that fits the whole page into the view.
constexpr int16_t kFitViewMode = 10;

// The zoom of view modes 1..7; nothing for the fit mode or any other value.
std::optional<double> ZoomOfViewMode(int16_t mode);

// The next step strictly above / below `zoom`; `zoom` itself at the ends.
double StepIn(double zoom);
double StepOut(double zoom);

} // namespace ZoomLadder

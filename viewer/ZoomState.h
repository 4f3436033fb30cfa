#pragma once

#include "viewer/PixelGeometry.h"

#include <cstdint>
#include <optional>

// The zoom the view is in: fitted to the view or a fixed factor. Fit follows
// the page and the view, so the effective zoom is asked with both.
class CZoomState {
public:
    // Modes 1..7 fix the zoom, 10 fits; false (and no change) for others.
    bool SetViewMode(int16_t mode);
    // One ladder step from the zoom in effect, fit included.
    void ZoomIn(PixelSize page, PixelSize view);
    void ZoomOut(PixelSize page, PixelSize view);

    bool IsFit() const { return !m_fixedZoom; }
    double Zoom(PixelSize page, PixelSize view) const;

private:
    std::optional<double> m_fixedZoom;
};

#include "viewer/ZoomState.h"

#include "viewer/ViewGeometry.h"
#include "viewer/ZoomLadder.h"

bool CZoomState::SetViewMode(int16_t mode)
{
    if (mode == ZoomLadder::kFitViewMode) {
        m_fixedZoom.reset();
        return true;
    }
    if (const auto zoom = ZoomLadder::ZoomOfViewMode(mode)) {
        m_fixedZoom = *zoom;
        return true;
    }
    return false;
}

void CZoomState::ZoomIn(PixelSize page, PixelSize view)
{
    m_fixedZoom = ZoomLadder::StepIn(Zoom(page, view));
}

void CZoomState::ZoomOut(PixelSize page, PixelSize view)
{
    m_fixedZoom = ZoomLadder::StepOut(Zoom(page, view));
}

double CZoomState::Zoom(PixelSize page, PixelSize view) const
{
    return m_fixedZoom ? *m_fixedZoom : ViewGeometry::FitZoom(page, view);
}

#pragma once

#include "viewer/PixelGeometry.h"

// Where a zoomed page lands in the view. "Scaled" coordinates are page
// pixels times the zoom; the scroll offset is the scaled point shown at the
// view's top-left corner on an axis where the page is larger than the view.
namespace ViewGeometry {

// The largest zoom that shows the whole page, but never above 100 %.
double FitZoom(PixelSize page, PixelSize view);

// The page's size at `zoom`, at least one pixel on each side.
PixelSize ScaledSize(PixelSize page, double zoom);

// Scroll offsets kept within the range in which the page covers the view;
// 0 on an axis where the page is smaller than the view.
PixelPoint ClampScroll(PixelPoint scroll, PixelSize scaled, PixelSize view);

// The page's rectangle in view coordinates: centred on an axis where it is
// smaller than the view, shifted by the scroll offset where it is larger.
PixelRect PageRectInView(PixelSize scaled, PixelSize view, PixelPoint scroll);

// The part of the scaled page that the view shows.
PixelRect VisibleScaledRect(PixelSize scaled, PixelSize view, PixelPoint scroll);

// The scroll offset after a zoom change that keeps the page point under the
// view's centre where it was.
PixelPoint ScrollKeepingCentre(PixelSize oldScaled, PixelSize newScaled, PixelSize view, PixelPoint oldScroll);

// `rect` of a page of `from` pixels mapped onto the same page at `to`
// pixels, widened outwards to whole pixels and kept inside the page.
PixelRect MapRect(const PixelRect& rect, PixelSize from, PixelSize to);

// The size a page is rendered at for `zoom`: raster pages never above their
// own size (zooming further enlarges the rendered pixels while painting),
// vector pages at the zoom itself.
PixelSize RenderedSize(PixelSize page, double zoom, bool scalable);

// The part of a page rendered at `rendered` to fetch when `needed` must be
// shown: the whole page while its area stays within `wholePixels`, so that
// scrolling needs no new render, else the needed part with a margin of its
// own size on every side.
PixelRect RenderRequest(PixelSize rendered, const PixelRect& needed, int64_t wholePixels);

} // namespace ViewGeometry

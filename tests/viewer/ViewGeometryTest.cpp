#include "viewer/ScrollBarGeometry.h"
#include "viewer/ViewGeometry.h"

#include <gtest/gtest.h>

namespace {

using namespace ViewGeometry;

TEST(ViewGeometry, FitZoomShowsTheWholePageButNeverEnlarges)
{
    struct Case {
        const char* name;
        PixelSize page;
        PixelSize view;
        double zoom;
    } const cases[] = {
        {"wide page", {4000, 1000}, {1000, 1000}, 0.25},
        {"tall page", {1000, 4000}, {1000, 1000}, 0.25},
        {"height decides", {1920, 2160}, {1920, 1080}, 0.5},
        {"smaller page", {300, 200}, {1000, 1000}, 1.0},
        {"exact fit", {1000, 500}, {1000, 500}, 1.0},
        {"no page", {0, 0}, {1000, 1000}, 1.0},
        {"no view", {100, 100}, {0, 0}, 1.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(FitZoom(c.page, c.view), c.zoom) << c.name;
}

TEST(ViewGeometry, SmallPagesAreCentredAndLargePagesScrollWithinBounds)
{
    const PixelSize view{800, 600};
    EXPECT_EQ(PageRectInView({200, 100}, view, {50, 50}), (PixelRect{300, 250, 200, 100}));
    // Larger than the view: the scroll offset moves it, clamped to the page.
    EXPECT_EQ(PageRectInView({2000, 1000}, view, {100, 50}), (PixelRect{-100, -50, 2000, 1000}));
    EXPECT_EQ(ClampScroll({5000, -7}, {2000, 1000}, view), (PixelPoint{1200, 0}));
    // Wider only: centred vertically, scrolled horizontally.
    EXPECT_EQ(PageRectInView({2000, 200}, view, {300, 300}), (PixelRect{-300, 200, 2000, 200}));
    EXPECT_EQ(ClampScroll({300, 300}, {2000, 200}, view), (PixelPoint{300, 0}));
}

TEST(ViewGeometry, VisiblePartIsWhatTheViewShowsOfTheScaledPage)
{
    EXPECT_EQ(VisibleScaledRect({2000, 1000}, {800, 600}, {100, 50}), (PixelRect{100, 50, 800, 600}));
    EXPECT_EQ(VisibleScaledRect({200, 100}, {800, 600}, {0, 0}), (PixelRect{0, 0, 200, 100}));
    EXPECT_EQ(VisibleScaledRect({2000, 100}, {800, 600}, {1500, 0}), (PixelRect{1200, 0, 800, 100}));
}

TEST(ViewGeometry, ZoomingKeepsThePointUnderTheCentre)
{
    // Centre at scaled (500, 400) of 1000x800; doubled it is (1000, 800).
    EXPECT_EQ(ScrollKeepingCentre({1000, 800}, {2000, 1600}, {400, 400}, {300, 200}), (PixelPoint{800, 600}));
    // From a page smaller than the view the page's centre is kept.
    EXPECT_EQ(ScrollKeepingCentre({200, 200}, {1000, 1000}, {400, 400}, {0, 0}), (PixelPoint{300, 300}));
    // Zooming out until the page fits resets to no scroll.
    EXPECT_EQ(ScrollKeepingCentre({2000, 2000}, {300, 300}, {400, 400}, {900, 900}), (PixelPoint{0, 0}));
}

TEST(ViewGeometry, HighZoomRendersOnlyAroundTheVisiblePart)
{
    // A 24 MP raster page at 800 % is rendered at its own size, and of that
    // only the visible part with its margin is fetched.
    const PixelSize page{6000, 4000};
    const PixelSize rendered = RenderedSize(page, 8.0, false);
    EXPECT_EQ(rendered, page);
    const PixelSize scaled = ScaledSize(page, 8.0);
    const PixelRect visible = VisibleScaledRect(scaled, {1920, 1080}, {20000, 12000});
    const PixelRect needed = MapRect(visible, scaled, rendered);
    EXPECT_EQ(needed, (PixelRect{2500, 1500, 240, 135}));
    const PixelRect request = RenderRequest(rendered, needed, 16 << 20);
    EXPECT_TRUE(request.Contains(needed));
    EXPECT_LE(request.Size().Area(), 9 * needed.Size().Area());

    // Vector pages are rendered at the zoom; small pages are fetched whole.
    EXPECT_EQ(RenderedSize({800, 1100}, 2.0, true), (PixelSize{1600, 2200}));
    EXPECT_EQ(RenderRequest({800, 600}, {10, 10, 50, 50}, 16 << 20), (PixelRect{0, 0, 800, 600}));
}

TEST(ViewGeometry, MapRectWidensToWholePixelsInsideThePage)
{
    EXPECT_EQ(MapRect({3, 3, 5, 5}, {100, 100}, {10, 10}), (PixelRect{0, 0, 1, 1}));
    EXPECT_EQ(MapRect({95, 0, 10, 10}, {100, 100}, {50, 50}), (PixelRect{47, 0, 3, 5}));
}

TEST(ScrollBarGeometry, ThumbShowsTheVisibleShareAndMapsBackToTheScroll)
{
    using namespace ScrollBarGeometry;
    EXPECT_FALSE(IsNeeded(500, 500));
    EXPECT_TRUE(IsNeeded(501, 500));
    EXPECT_EQ(ThumbOf(400, 2000, 500, 0), (Thumb{0, 100}));
    EXPECT_EQ(ThumbOf(400, 2000, 500, 1500), (Thumb{300, 100}));
    EXPECT_EQ(ThumbOf(400, 2000, 500, 9999), (Thumb{300, 100}));
    // A very long page keeps a thumb that can be grabbed.
    EXPECT_EQ(ThumbOf(400, 1000000, 500, 0).length, kMinThumbLength);
    for (int scroll : {0, 1, 700, 1499, 1500}) {
        const Thumb thumb = ThumbOf(400, 2000, 500, scroll);
        EXPECT_NEAR(ScrollForThumb(thumb.start, 400, 2000, 500), scroll, 5) << scroll;
    }
    EXPECT_EQ(ScrollForThumb(-50, 400, 2000, 500), 0);
    EXPECT_EQ(ScrollForThumb(5000, 400, 2000, 500), 1500);
}

} // namespace

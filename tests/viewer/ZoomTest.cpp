#include "viewer/ZoomLadder.h"
#include "viewer/ZoomState.h"

#include <gtest/gtest.h>

namespace {

struct StepCase {
    const char* name;
    double from;
    double in;
    double out;
};

// Between steps, on a step, within rounding of a step, and at both ends.
const StepCase kSteps[] = {
    {"below the smallest", 0.05, 0.10, 0.05},
    {"smallest", 0.10, 0.25, 0.10},
    {"a fit between steps", 0.42, 0.50, 1.0 / 3.0},
    {"a third", 1.0 / 3.0, 0.50, 0.25},
    {"a fit within rounding of 50 %", 0.5000000001, 0.75, 1.0 / 3.0},
    {"100 %", 1.0, 1.5, 0.75},
    {"200 %", 2.0, 3.0, 1.5},
    {"largest", 8.0, 8.0, 4.0},
};

TEST(ZoomLadder, StepsInAndOutFromAnyZoomAndStopsAtTheEnds)
{
    for (const StepCase& c : kSteps) {
        EXPECT_DOUBLE_EQ(ZoomLadder::StepIn(c.from), c.in) << c.name;
        EXPECT_DOUBLE_EQ(ZoomLadder::StepOut(c.from), c.out) << c.name;
    }
}

TEST(ZoomLadder, ViewModesOneToSevenAreTheDialogsZooms)
{
    const double expected[] = {0.25, 1.0 / 3.0, 0.50, 0.75, 1.0, 1.5, 2.0};
    for (int16_t mode = 1; mode <= 7; ++mode)
        EXPECT_DOUBLE_EQ(*ZoomLadder::ZoomOfViewMode(mode), expected[mode - 1]) << mode;
    for (int16_t mode : {int16_t{0}, int16_t{8}, int16_t{10}, int16_t{-1}, int16_t{32767}})
        EXPECT_FALSE(ZoomLadder::ZoomOfViewMode(mode)) << mode;
}

TEST(ZoomState, FitFollowsPageAndViewUntilAFixedZoomIsChosen)
{
    CZoomState zoom;
    EXPECT_TRUE(zoom.IsFit());
    EXPECT_DOUBLE_EQ(zoom.Zoom({2000, 1000}, {500, 500}), 0.25);
    EXPECT_DOUBLE_EQ(zoom.Zoom({100, 100}, {500, 500}), 1.0);  // small pages at 100 %

    EXPECT_TRUE(zoom.SetViewMode(3));
    EXPECT_DOUBLE_EQ(zoom.Zoom({2000, 1000}, {500, 500}), 0.5);
    EXPECT_FALSE(zoom.SetViewMode(9));  // ignored: the zoom stays
    EXPECT_DOUBLE_EQ(zoom.Zoom({2000, 1000}, {500, 500}), 0.5);
    EXPECT_TRUE(zoom.SetViewMode(ZoomLadder::kFitViewMode));
    EXPECT_TRUE(zoom.IsFit());
}

TEST(ZoomState, ZoomInFromFitStepsFromTheFittedZoom)
{
    CZoomState zoom;
    zoom.ZoomIn({3000, 1000}, {1000, 1000});  // fit 1/3
    EXPECT_DOUBLE_EQ(zoom.Zoom({3000, 1000}, {1000, 1000}), 0.5);
    CZoomState other;
    other.ZoomOut({3000, 1000}, {1000, 1000});
    EXPECT_DOUBLE_EQ(other.Zoom({3000, 1000}, {1000, 1000}), 0.25);
}

} // namespace

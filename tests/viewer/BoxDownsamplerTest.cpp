#include "viewer/BoxDownsampler.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <random>

namespace {

// The average of the source box of each output pixel, lane by lane, as the
// downsampler must produce it.
uint32_t ReferencePixel(const std::vector<uint32_t>& source, PixelSize from, PixelSize to, int x, int y)
{
    const int x0 = static_cast<int>(int64_t{x} * from.width / to.width);
    const int x1 = static_cast<int>(int64_t{x + 1} * from.width / to.width);
    const int y0 = static_cast<int>(int64_t{y} * from.height / to.height);
    const int y1 = static_cast<int>(int64_t{y + 1} * from.height / to.height);
    uint32_t result = 0;
    for (int lane = 0; lane < 4; ++lane) {
        uint64_t sum = 0;
        for (int sy = y0; sy < y1; ++sy)
            for (int sx = x0; sx < x1; ++sx)
                sum += (source[static_cast<size_t>(sy) * from.width + sx] >> (8 * lane)) & 0xFF;
        const uint64_t count = uint64_t(x1 - x0) * (y1 - y0);
        result |= static_cast<uint32_t>((sum + count / 2) / count) << (8 * lane);
    }
    return result;
}

std::vector<uint32_t> Shrink(const std::vector<uint32_t>& source, PixelSize from, PixelSize to, PixelRect clip,
                             CBoxDownsampler::Order order = CBoxDownsampler::Order::AsInput)
{
    std::vector<uint32_t> output(static_cast<size_t>(clip.Intersected({0, 0, to.width, to.height}).Size().Area()));
    CBoxDownsampler shrink(from, to, clip, output, order);
    for (int row = shrink.FirstSourceRow(); row < shrink.EndSourceRow(); ++row)
        shrink.AddRow(&source[static_cast<size_t>(row) * from.width]);
    EXPECT_TRUE(shrink.IsComplete());
    return output;
}

// Each byte of `a` and `b` differs by at most one.
bool Close(uint32_t a, uint32_t b)
{
    for (int lane = 0; lane < 4; ++lane) {
        if (std::abs(static_cast<int>((a >> (8 * lane)) & 0xFF) - static_cast<int>((b >> (8 * lane)) & 0xFF)) > 1)
            return false;
    }
    return true;
}

TEST(BoxDownsampler, EveryOutputPixelIsTheAverageOfItsBox)
{
    struct Case {
        const char* name;
        PixelSize from;
        PixelSize to;
        PixelRect clip;
    } const cases[] = {
        {"whole, uneven ratio", {37, 23}, {10, 7}, {0, 0, 10, 7}},
        {"clip inside", {64, 48}, {20, 15}, {3, 4, 9, 6}},
        {"same size", {9, 5}, {9, 5}, {0, 0, 9, 5}},
        {"one pixel", {50, 40}, {1, 1}, {0, 0, 1, 1}},
        {"clip past the edge", {30, 30}, {12, 12}, {8, 8, 10, 10}},
    };
    std::mt19937 random(7);
    for (const Case& c : cases) {
        std::vector<uint32_t> source(static_cast<size_t>(c.from.Area()));
        for (uint32_t& pixel : source)
            pixel = static_cast<uint32_t>(random());
        const PixelRect clip = c.clip.Intersected({0, 0, c.to.width, c.to.height});
        const std::vector<uint32_t> pixels = Shrink(source, c.from, c.to, c.clip);
        ASSERT_EQ(pixels.size(), static_cast<size_t>(clip.Size().Area())) << c.name;
        for (int y = 0; y < clip.height; ++y)
            for (int x = 0; x < clip.width; ++x)
                ASSERT_PRED2(Close, pixels[static_cast<size_t>(y) * clip.width + x],
                             ReferencePixel(source, c.from, c.to, clip.x + x, clip.y + y))
                    << c.name << " at " << x << "," << y;
    }
}

TEST(BoxDownsampler, ClipNeedsOnlyTheRowsUnderIt)
{
    std::vector<uint32_t> output(100);
    const CBoxDownsampler shrink({100, 1000}, {10, 100}, {0, 40, 10, 10}, output);
    EXPECT_EQ(shrink.FirstSourceRow(), 400);
    EXPECT_EQ(shrink.EndSourceRow(), 500);
}

TEST(BoxDownsampler, SwapsTheFirstAndThirdBytesWhenAsked)
{
    const std::vector<uint32_t> source(4, 0x44332211);
    EXPECT_EQ(Shrink(source, {2, 2}, {1, 1}, {0, 0, 1, 1}, CBoxDownsampler::Order::SwapFirstAndThird),
              std::vector<uint32_t>{0x44112233});
}

TEST(BoxDownsampler, TooSmallAnOutputIsNeverWrittenPast)
{
    std::vector<uint32_t> output(3, 0xDEADBEEF);
    CBoxDownsampler shrink({4, 4}, {2, 2}, {0, 0, 2, 2}, std::span<uint32_t>(output).first(2));
    const std::vector<uint32_t> row(4, 0);
    for (int i = 0; i < 4; ++i)
        shrink.AddRow(row.data());
    EXPECT_EQ(output[2], 0xDEADBEEF);
}

TEST(BoxDownsampler, AFinePatternShrinksToItsMeanWithoutAliasing)
{
    // A one-pixel checkerboard of black and white at a quarter of its size
    // is an even grey, not a pattern of its own.
    const PixelSize from{64, 64};
    std::vector<uint32_t> source(static_cast<size_t>(from.Area()));
    for (int y = 0; y < from.height; ++y)
        for (int x = 0; x < from.width; ++x)
            source[static_cast<size_t>(y) * from.width + x] = (x + y) % 2 ? 0xFFFFFFFF : 0xFF000000;
    for (uint32_t pixel : Shrink(source, from, {16, 16}, {0, 0, 16, 16}))
        EXPECT_EQ(pixel, 0xFF808080);
}

} // namespace

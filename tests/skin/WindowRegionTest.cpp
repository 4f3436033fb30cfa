#include "skin/WindowRegion.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

constexpr COLORREF kMagenta = MakeColorRef(255, 0, 255);
constexpr std::uint32_t kMagentaPixel = 0xFFFF00FF;
constexpr std::uint32_t kBluePixel = 0xFF0000FF;

struct Image {
    int width;
    int height;
    std::vector<std::uint32_t> pixels;

    Image(int w, int h, std::uint32_t fill)
        : width(w)
        , height(h)
        , pixels(static_cast<std::size_t>(w * h), fill)
    {
    }
    std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
    WindowShape Shape(COLORREF key) const { return BuildWindowShape(pixels.data(), width, height, width, key); }
};

// Paints the rectangles into a mask, failing on any pixel covered twice.
std::vector<int> Rasterize(const WindowShape& shape, int width, int height)
{
    std::vector<int> covered(static_cast<std::size_t>(width * height), 0);
    for (const SkinRect& r : shape.rects) {
        EXPECT_LT(r.left, r.right);
        EXPECT_LT(r.top, r.bottom);
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.right, width);
        EXPECT_LE(r.bottom, height);
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x)
                ++covered[static_cast<std::size_t>(y * width + x)];
        }
    }
    return covered;
}

// The rectangles form bands: sorted by top then left, one height per band,
// no two of a band touching, and no two bands alike one above the other.
void ExpectBanded(const WindowShape& shape)
{
    for (std::size_t i = 1; i < shape.rects.size(); ++i) {
        const SkinRect& a = shape.rects[i - 1];
        const SkinRect& b = shape.rects[i];
        if (a.top == b.top) {
            EXPECT_EQ(a.bottom, b.bottom);
            EXPECT_LT(a.right, b.left) << "rectangles of one band touch or overlap";
        } else {
            EXPECT_LE(a.bottom, b.top);
        }
    }
}

TEST(WindowShape, NoKeyPixelGivesTheWholeRectangle)
{
    const WindowShape shape = Image(100, 50, kBluePixel).Shape(kMagenta);
    ASSERT_EQ(shape.rects.size(), 1u);
    EXPECT_EQ(shape.rects[0], (SkinRect { 0, 0, 100, 50 }));
    EXPECT_EQ(shape.removedPixels, 0u);
}

TEST(WindowShape, AllKeyPixelsGiveNothing)
{
    const WindowShape shape = Image(40, 30, kMagentaPixel).Shape(kMagenta);
    EXPECT_TRUE(shape.rects.empty());
    EXPECT_EQ(shape.removedPixels, 1200u);
}

TEST(WindowShape, SingleKeyPixelAtTheOrigin)
{
    Image image(5, 3, kBluePixel);
    image.At(0, 0) = kMagentaPixel;
    const WindowShape shape = image.Shape(kMagenta);
    EXPECT_EQ(shape.removedPixels, 1u);
    const std::vector<SkinRect> expected { { 1, 0, 5, 1 }, { 0, 1, 5, 3 } };
    EXPECT_EQ(shape.rects, expected);
}

TEST(WindowShape, AlphaByteDoesNotMatter)
{
    Image image(3, 1, kBluePixel);
    image.At(1, 0) = 0x00FF00FF;
    EXPECT_EQ(image.Shape(kMagenta).removedPixels, 1u);
}

TEST(WindowShape, NearKeyColoursStay)
{
    Image image(3, 1, 0xFFFE00FF);
    image.At(1, 0) = 0xFFFF01FF;
    image.At(2, 0) = 0xFFFF00FE;
    EXPECT_EQ(image.Shape(kMagenta).removedPixels, 0u);
}

TEST(WindowShape, NoColourCutsNothing)
{
    // White pixels must not match the "no colour" value 0xFFFFFFFF.
    const WindowShape shape = Image(4, 4, 0xFFFFFFFF).Shape(kNoColor);
    EXPECT_EQ(shape.removedPixels, 0u);
    ASSERT_EQ(shape.rects.size(), 1u);
}

TEST(WindowShape, StrideSkipsPaddingPixels)
{
    // Two 2-pixel rows stored 3 words apart; the padding word is key coloured
    // on the first row and must not be examined.
    const std::vector<std::uint32_t> pixels { kBluePixel, kBluePixel, kMagentaPixel, kBluePixel, kMagentaPixel, 0 };
    const WindowShape shape = BuildWindowShape(pixels.data(), 2, 2, 3, kMagenta);
    EXPECT_EQ(shape.removedPixels, 1u);
    const std::vector<SkinRect> expected { { 0, 0, 2, 1 }, { 0, 1, 1, 2 } };
    EXPECT_EQ(shape.rects, expected);
}

TEST(WindowShape, EmptyOrMissingImage)
{
    EXPECT_TRUE(BuildWindowShape(nullptr, 10, 10, 10, kMagenta).rects.empty());
    const std::uint32_t one = kBluePixel;
    EXPECT_TRUE(BuildWindowShape(&one, 0, 1, 0, kMagenta).rects.empty());
}

TEST(WindowShape, RaggedRoundedCornersCoalesceIntoBands)
{
    // Rounded corners of radius 8: the middle rows all share one run and so
    // become one band.
    Image image(64, 48, kBluePixel);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            const int dx = x < 8 ? 8 - x : (x >= 56 ? x - 55 : 0);
            const int dy = y < 8 ? 8 - y : (y >= 40 ? y - 39 : 0);
            if (dx * dx + dy * dy > 64)
                image.At(x, y) = kMagentaPixel;
        }
    }
    const WindowShape shape = image.Shape(kMagenta);
    ExpectBanded(shape);
    EXPECT_LE(shape.rects.size(), 17u);
}

TEST(WindowShape, MatchesEveryPixelOfRandomMasks)
{
    std::mt19937 random(20261211);
    for (int round = 0; round < 200; ++round) {
        const int width = 1 + static_cast<int>(random() % 40);
        const int height = 1 + static_cast<int>(random() % 40);
        // Masks from sparse holes to mostly cut out, with rows repeated so
        // that bands of several rows occur.
        const auto density = random() % 100;
        Image image(width, height, kBluePixel);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (y > 0 && random() % 3 == 0)
                    image.At(x, y) = image.At(x, y - 1);
                else if (random() % 100 < density)
                    image.At(x, y) = kMagentaPixel;
            }
        }
        const WindowShape shape = image.Shape(kMagenta);
        ExpectBanded(shape);
        const std::vector<int> covered = Rasterize(shape, width, height);
        std::size_t keyPixels = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool isKey = image.At(x, y) == kMagentaPixel;
                keyPixels += isKey;
                ASSERT_EQ(covered[static_cast<std::size_t>(y * width + x)], isKey ? 0 : 1)
                    << "round " << round << " pixel " << x << "," << y;
            }
        }
        EXPECT_EQ(shape.removedPixels, keyPixels);
    }
}

} // namespace

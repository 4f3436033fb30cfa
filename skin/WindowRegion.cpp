#include "skin/WindowRegion.h"

namespace {

struct Run {
    int left;
    int right;
    friend bool operator==(const Run&, const Run&) = default;
};

// The opaque runs of one row, maximal so that no two touch.
void FindOpaqueRuns(const std::uint32_t* row, int width, std::uint32_t keyRgb, bool keyIsPixel,
    std::vector<Run>& runs, std::size_t& removed)
{
    runs.clear();
    int x = 0;
    while (x < width) {
        while (x < width && keyIsPixel && (row[x] & 0xFFFFFFu) == keyRgb) {
            ++x;
            ++removed;
        }
        if (x == width)
            break;
        const int left = x;
        while (x < width && !(keyIsPixel && (row[x] & 0xFFFFFFu) == keyRgb))
            ++x;
        runs.push_back({ left, x });
    }
}

} // namespace

WindowShape BuildWindowShape(const std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride, COLORREF key)
{
    WindowShape shape;
    if (!pixels || width <= 0 || height <= 0)
        return shape;

    const bool keyIsPixel = IsPixelColor(key);
    const std::uint32_t keyRgb = ToRgbWord(key);
    std::vector<Run> runs;
    std::vector<Run> bandRuns;
    std::size_t bandStart = 0;
    for (int y = 0; y < height; ++y) {
        FindOpaqueRuns(pixels + y * stride, width, keyRgb, keyIsPixel, runs, shape.removedPixels);
        // A row with the runs of the band above it makes that band taller.
        const bool extendsBand = !runs.empty() && runs == bandRuns && bandStart < shape.rects.size()
            && shape.rects[bandStart].bottom == y;
        if (extendsBand) {
            for (std::size_t i = bandStart; i < shape.rects.size(); ++i)
                shape.rects[i].bottom = y + 1;
            continue;
        }
        bandStart = shape.rects.size();
        for (const Run& run : runs)
            shape.rects.push_back({ run.left, y, run.right, y + 1 });
        bandRuns.swap(runs);
    }
    return shape;
}

#pragma once

#include <cstdint>

// Integer pixel sizes and rectangles for the Qt-free view arithmetic. They
// mirror QSize/QRect closely enough that the widget converts them in one line.
struct PixelSize {
    int width = 0;
    int height = 0;

    bool IsEmpty() const { return width <= 0 || height <= 0; }
    int64_t Area() const { return IsEmpty() ? 0 : int64_t{width} * height; }
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool IsEmpty() const { return width <= 0 || height <= 0; }
    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
    PixelSize Size() const { return {width, height}; }
    bool Contains(const PixelRect& other) const
    {
        return other.x >= x && other.y >= y && other.Right() <= Right() && other.Bottom() <= Bottom();
    }
    PixelRect Intersected(const PixelRect& other) const;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

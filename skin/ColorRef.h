#pragma once

#include <cstdint>

// Colours as the skin engine keeps them: 0x00BBGGRR, red in the low byte.
// Skin files write them the other way round, 0xRRGGBB (see StringToColor).
using COLORREF = std::uint32_t;

// What an empty colour field gives. Its high byte is set, so it equals no
// pixel colour: a skin with this transparent colour cuts nothing out.
inline constexpr COLORREF kNoColor = 0xFFFFFFFFu;

constexpr COLORREF MakeColorRef(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
}
constexpr std::uint32_t RedOf(COLORREF c) { return c & 0xFF; }
constexpr std::uint32_t GreenOf(COLORREF c) { return c >> 8 & 0xFF; }
constexpr std::uint32_t BlueOf(COLORREF c) { return c >> 16 & 0xFF; }
constexpr bool IsPixelColor(COLORREF c) { return (c >> 24) == 0; }

// The same colour as a 0xRRGGBB word, the layout of a 32-bit image pixel
// without its alpha byte.
constexpr std::uint32_t ToRgbWord(COLORREF c)
{
    return RedOf(c) << 16 | GreenOf(c) << 8 | BlueOf(c);
}

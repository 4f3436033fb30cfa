#pragma once

#include <cstdint>

// Bounds on what one decode may claim, so that a decompression bomb or a
// header that lies about its size fails cleanly instead of exhausting memory.
// A 20000 x 15000 photo still opens: it is shown from a reduced decode.
namespace DecodeLimits {

constexpr int64_t kMaxBytes = int64_t{1} << 30;      // any one allocation of pixels
constexpr int64_t kMaxPagePixels = kMaxBytes / 4;    // a whole page as 32-bit pixels
constexpr int kMaxSide = 1 << 17;                    // longer sides are lies
constexpr int64_t kMaxFileBytes = int64_t{1} << 30;  // files read whole into memory

// Pages decoded a strip at a time hold little memory, but their decoding
// time still grows with their area: past this it is no longer a moment.
constexpr int64_t kMaxStreamedPixels = int64_t{1} << 31;

inline bool FitsStreamedPage(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide && width * height <= kMaxStreamedPixels;
}

inline bool FitsPage(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide && width * height <= kMaxPagePixels;
}

} // namespace DecodeLimits

#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// The formats the viewer opens. Detection trusts the file's first bytes
// where the format has a signature and the extension only for the formats
// that have none (TGA, WBMP).
enum class ImageFormat {
    Unknown,
    Pdf,
    Psd,
    Jp2,       // JPEG 2000 in its box file
    J2k,       // raw JPEG 2000 codestream
    Jpeg,
    Pcx,
    Wmf,
    Wbmp,
    Bmp,
    Tiff,
    Tga,
    Gif,
    Pgx,
    SunRaster,
    Pnm,
    Pam,       // the P7 member of the PNM family
    Png,
    Ico,
};

namespace ImageFormats {

// How many leading bytes DetectFormat looks at.
constexpr size_t kSignatureBytes = 16;

// `extension` without the dot, any letter case.
ImageFormat DetectFormat(std::span<const unsigned char> head, std::string_view extension);

} // namespace ImageFormats

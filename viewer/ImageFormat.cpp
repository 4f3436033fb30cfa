#include "viewer/ImageFormat.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace ImageFormats {
namespace {

struct Signature {
    std::string_view bytes;
    ImageFormat format;
};

using namespace std::string_view_literals;

// Longer signatures before their prefixes.
constexpr std::array kSignatures{
    Signature{"\0\0\0\x0CjP  \r\n\x87\n"sv, ImageFormat::Jp2},
    Signature{"\x89PNG\r\n\x1A\n"sv, ImageFormat::Png},
    Signature{"\xFF\x4F\xFF\x51"sv, ImageFormat::J2k},
    Signature{"\xFF\xD8\xFF"sv, ImageFormat::Jpeg},
    Signature{"%PDF-"sv, ImageFormat::Pdf},
    Signature{"8BPS"sv, ImageFormat::Psd},
    Signature{"II*\0"sv, ImageFormat::Tiff},
    Signature{"MM\0*"sv, ImageFormat::Tiff},
    Signature{"II+\0"sv, ImageFormat::Tiff},  // BigTIFF
    Signature{"MM\0+"sv, ImageFormat::Tiff},
    Signature{"GIF87a"sv, ImageFormat::Gif},
    Signature{"GIF89a"sv, ImageFormat::Gif},
    Signature{"\xD7\xCD\xC6\x9A"sv, ImageFormat::Wmf},  // placeable metafile
    Signature{"\x59\xA6\x6A\x95"sv, ImageFormat::SunRaster},
    Signature{"PG ML"sv, ImageFormat::Pgx},
    Signature{"PG LM"sv, ImageFormat::Pgx},
    Signature{"\0\0\1\0"sv, ImageFormat::Ico},
    Signature{"BM"sv, ImageFormat::Bmp},
};

bool StartsWith(std::span<const unsigned char> head, std::string_view bytes)
{
    return head.size() >= bytes.size()
        && std::equal(bytes.begin(), bytes.end(), head.begin(),
                      [](char a, unsigned char b) { return static_cast<unsigned char>(a) == b; });
}

ImageFormat NetpbmFormat(std::span<const unsigned char> head)
{
    if (head.size() < 3 || head[0] != 'P' || !std::isspace(head[2]))
        return ImageFormat::Unknown;
    if (head[1] >= '1' && head[1] <= '6')
        return ImageFormat::Pnm;
    return head[1] == '7' ? ImageFormat::Pam : ImageFormat::Unknown;
}

// ZSoft PCX: manufacturer 10, a known version, run-length encoding 0 or 1.
bool LooksLikePcx(std::span<const unsigned char> head)
{
    constexpr std::array<unsigned char, 5> kVersions{0, 2, 3, 4, 5};
    return head.size() >= 4 && head[0] == 0x0A && std::find(kVersions.begin(), kVersions.end(), head[1]) != kVersions.end()
        && head[2] <= 1 && (head[3] == 1 || head[3] == 2 || head[3] == 4 || head[3] == 8);
}

// A metafile without the placeable header: type 1 or 2, header size 9 words.
bool LooksLikeStandardWmf(std::span<const unsigned char> head)
{
    return head.size() >= 6 && (head[0] == 1 || head[0] == 2) && head[1] == 0 && head[2] == 9 && head[3] == 0
        && head[4] == 0 && (head[5] == 1 || head[5] == 3);
}

ImageFormat FromExtension(std::string_view extension)
{
    std::string lower(extension);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    struct Entry {
        std::string_view extension;
        ImageFormat format;
    };
    static constexpr std::array kExtensions{
        Entry{"pdf", ImageFormat::Pdf},   Entry{"psd", ImageFormat::Psd},        Entry{"jp2", ImageFormat::Jp2},
        Entry{"j2k", ImageFormat::J2k},   Entry{"j2c", ImageFormat::J2k},        Entry{"jpc", ImageFormat::J2k},
        Entry{"jpg", ImageFormat::Jpeg},  Entry{"jpeg", ImageFormat::Jpeg},      Entry{"jpe", ImageFormat::Jpeg},
        Entry{"pcx", ImageFormat::Pcx},   Entry{"wmf", ImageFormat::Wmf},        Entry{"wbmp", ImageFormat::Wbmp},
        Entry{"bmp", ImageFormat::Bmp},   Entry{"dib", ImageFormat::Bmp},        Entry{"tif", ImageFormat::Tiff},
        Entry{"tiff", ImageFormat::Tiff}, Entry{"tga", ImageFormat::Tga},        Entry{"gif", ImageFormat::Gif},
        Entry{"pgx", ImageFormat::Pgx},   Entry{"ras", ImageFormat::SunRaster},  Entry{"sun", ImageFormat::SunRaster},
        Entry{"pnm", ImageFormat::Pnm},   Entry{"pbm", ImageFormat::Pnm},        Entry{"pgm", ImageFormat::Pnm},
        Entry{"ppm", ImageFormat::Pnm},   Entry{"pam", ImageFormat::Pam},        Entry{"png", ImageFormat::Png},
        Entry{"ico", ImageFormat::Ico},
    };
    for (const Entry& entry : kExtensions) {
        if (entry.extension == lower)
            return entry.format;
    }
    return ImageFormat::Unknown;
}

} // namespace

ImageFormat DetectFormat(std::span<const unsigned char> head, std::string_view extension)
{
    for (const Signature& signature : kSignatures) {
        if (StartsWith(head, signature.bytes))
            return signature.format;
    }
    if (const ImageFormat netpbm = NetpbmFormat(head); netpbm != ImageFormat::Unknown)
        return netpbm;
    if (LooksLikePcx(head))
        return ImageFormat::Pcx;
    if (LooksLikeStandardWmf(head))
        return ImageFormat::Wmf;
    // Only the formats without any signature are taken on their name's
    // word: a file called .png that holds no PNG is no supported image.
    const ImageFormat byName = FromExtension(extension);
    return byName == ImageFormat::Tga || byName == ImageFormat::Wbmp ? byName : ImageFormat::Unknown;
}

} // namespace ImageFormats

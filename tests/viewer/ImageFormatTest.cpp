#include "viewer/ImageFormat.h"

#include <gtest/gtest.h>
#include <string>

namespace {

ImageFormat Detect(const std::string& head, const char* extension)
{
    return ImageFormats::DetectFormat({reinterpret_cast<const unsigned char*>(head.data()), head.size()}, extension);
}

using namespace std::string_literals;

TEST(ImageFormat, SignaturesDecideWhateverTheExtensionSays)
{
    struct Case {
        const char* name;
        std::string head;
        ImageFormat format;
    } const cases[] = {
        {"PDF", "%PDF-1.7\n"s, ImageFormat::Pdf},
        {"Photoshop", "8BPS\0\1"s, ImageFormat::Psd},
        {"JP2 box", "\0\0\0\x0CjP  \r\n\x87\n\0\0"s, ImageFormat::Jp2},
        {"J2K codestream", "\xFF\x4F\xFF\x51\0\x2F"s, ImageFormat::J2k},
        {"JPEG", "\xFF\xD8\xFF\xE0\0\x10JFIF"s, ImageFormat::Jpeg},
        {"PCX", "\x0A\x05\x01\x08\0\0"s, ImageFormat::Pcx},
        {"placeable WMF", "\xD7\xCD\xC6\x9A\0\0"s, ImageFormat::Wmf},
        {"standard WMF", "\x01\0\x09\0\0\x03"s, ImageFormat::Wmf},
        {"BMP", "BM\x36\0\0\0"s, ImageFormat::Bmp},
        {"TIFF little-endian", "II*\0\x08\0\0\0"s, ImageFormat::Tiff},
        {"TIFF big-endian", "MM\0*\0\0\0\x08"s, ImageFormat::Tiff},
        {"BigTIFF", "II+\0\x08\0\0\0"s, ImageFormat::Tiff},
        {"GIF87a", "GIF87a"s, ImageFormat::Gif},
        {"GIF89a", "GIF89a"s, ImageFormat::Gif},
        {"PGX", "PG ML +8 4 4\n"s, ImageFormat::Pgx},
        {"Sun raster", "\x59\xA6\x6A\x95\0\0"s, ImageFormat::SunRaster},
        {"PPM", "P6\n4 4\n255\n"s, ImageFormat::Pnm},
        {"PBM", "P1 4 4 "s, ImageFormat::Pnm},
        {"PAM", "P7\nWIDTH 4\n"s, ImageFormat::Pam},
        {"PNG", "\x89PNG\r\n\x1A\n\0\0"s, ImageFormat::Png},
        {"icon", "\0\0\1\0\1\0"s, ImageFormat::Ico},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Detect(c.head, "dat"), c.format) << c.name;
        EXPECT_EQ(Detect(c.head, "png"), c.format) << c.name << " named .png";
    }
}

TEST(ImageFormat, FormatsWithoutSignatureGoByExtension)
{
    const std::string tgaHead = "\0\0\x02\0\0\0\0\0"s;
    EXPECT_EQ(Detect(tgaHead, "tga"), ImageFormat::Tga);
    EXPECT_EQ(Detect(tgaHead, "TGA"), ImageFormat::Tga);
    EXPECT_EQ(Detect("\0\0\x81\x20\x78\0"s, "wbmp"), ImageFormat::Wbmp);
    // A format with a signature is not taken on its name alone.
    EXPECT_EQ(Detect("\0\0\x81\x20\x78\0"s, "j2c"), ImageFormat::Unknown);
    EXPECT_EQ(Detect("not a png"s, "png"), ImageFormat::Unknown);
    EXPECT_EQ(Detect("random bytes"s, "txt"), ImageFormat::Unknown);
    EXPECT_EQ(Detect(""s, ""), ImageFormat::Unknown);
    // "P9" and "P6" without a separator are no Netpbm headers.
    EXPECT_EQ(Detect("P9 4 4"s, "x"), ImageFormat::Unknown);
    EXPECT_EQ(Detect("P64"s, "x"), ImageFormat::Unknown);
}

} // namespace

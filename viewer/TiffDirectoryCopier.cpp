#include "viewer/TiffDirectoryCopier.h"

#include "viewer/DecodeLimits.h"

#include <array>
#include <vector>

namespace {

enum class Kind { Short, Long, Float, Ascii, ShortPair, FloatArray, ExtraSamples, Bytes, Colormap };

struct Tag {
    ttag_t tag;
    Kind kind;
};

// The baseline and common extension tags, in the order libtiff needs them:
// the layout first, then the compression before the tags its codec owns
// (predictor, JPEG tables, fax options), bits per sample before the colour
// map whose length it gives.
constexpr std::array kTags{
    Tag{TIFFTAG_SUBFILETYPE, Kind::Long},        Tag{TIFFTAG_IMAGEWIDTH, Kind::Long},
    Tag{TIFFTAG_IMAGELENGTH, Kind::Long},        Tag{TIFFTAG_BITSPERSAMPLE, Kind::Short},
    Tag{TIFFTAG_SAMPLESPERPIXEL, Kind::Short},   Tag{TIFFTAG_COMPRESSION, Kind::Short},
    Tag{TIFFTAG_PHOTOMETRIC, Kind::Short},       Tag{TIFFTAG_PLANARCONFIG, Kind::Short},
    Tag{TIFFTAG_EXTRASAMPLES, Kind::ExtraSamples}, Tag{TIFFTAG_SAMPLEFORMAT, Kind::Short},
    Tag{TIFFTAG_FILLORDER, Kind::Short},         Tag{TIFFTAG_ORIENTATION, Kind::Short},
    Tag{TIFFTAG_THRESHHOLDING, Kind::Short},     Tag{TIFFTAG_MINSAMPLEVALUE, Kind::Short},
    Tag{TIFFTAG_MAXSAMPLEVALUE, Kind::Short},    Tag{TIFFTAG_XRESOLUTION, Kind::Float},
    Tag{TIFFTAG_YRESOLUTION, Kind::Float},       Tag{TIFFTAG_RESOLUTIONUNIT, Kind::Short},
    Tag{TIFFTAG_XPOSITION, Kind::Float},         Tag{TIFFTAG_YPOSITION, Kind::Float},
    Tag{TIFFTAG_PREDICTOR, Kind::Short},         Tag{TIFFTAG_GROUP3OPTIONS, Kind::Long},
    Tag{TIFFTAG_GROUP4OPTIONS, Kind::Long},      Tag{TIFFTAG_JPEGTABLES, Kind::Bytes},
    Tag{TIFFTAG_YCBCRSUBSAMPLING, Kind::ShortPair}, Tag{TIFFTAG_YCBCRPOSITIONING, Kind::Short},
    Tag{TIFFTAG_YCBCRCOEFFICIENTS, Kind::FloatArray}, Tag{TIFFTAG_REFERENCEBLACKWHITE, Kind::FloatArray},
    Tag{TIFFTAG_WHITEPOINT, Kind::FloatArray},   Tag{TIFFTAG_PRIMARYCHROMATICITIES, Kind::FloatArray},
    Tag{TIFFTAG_COLORMAP, Kind::Colormap},       Tag{TIFFTAG_HALFTONEHINTS, Kind::ShortPair},
    Tag{TIFFTAG_INKSET, Kind::Short},            Tag{TIFFTAG_DOCUMENTNAME, Kind::Ascii},
    Tag{TIFFTAG_IMAGEDESCRIPTION, Kind::Ascii},  Tag{TIFFTAG_MAKE, Kind::Ascii},
    Tag{TIFFTAG_MODEL, Kind::Ascii},             Tag{TIFFTAG_PAGENAME, Kind::Ascii},
    Tag{TIFFTAG_SOFTWARE, Kind::Ascii},          Tag{TIFFTAG_DATETIME, Kind::Ascii},
    Tag{TIFFTAG_ARTIST, Kind::Ascii},            Tag{TIFFTAG_HOSTCOMPUTER, Kind::Ascii},
    Tag{TIFFTAG_COPYRIGHT, Kind::Ascii},         Tag{TIFFTAG_ICCPROFILE, Kind::Bytes},
    Tag{TIFFTAG_XMLPACKET, Kind::Bytes},         Tag{TIFFTAG_PHOTOSHOP, Kind::Bytes},
};

bool CopyTag(TIFF* in, TIFF* out, const Tag& tag)
{
    switch (tag.kind) {
    case Kind::Short: {
        uint16_t value = 0;
        return !TIFFGetField(in, tag.tag, &value) || TIFFSetField(out, tag.tag, value);
    }
    case Kind::Long: {
        uint32_t value = 0;
        return !TIFFGetField(in, tag.tag, &value) || TIFFSetField(out, tag.tag, value);
    }
    case Kind::Float: {
        float value = 0;
        return !TIFFGetField(in, tag.tag, &value) || TIFFSetField(out, tag.tag, static_cast<double>(value));
    }
    case Kind::Ascii: {
        char* value = nullptr;
        return !TIFFGetField(in, tag.tag, &value) || TIFFSetField(out, tag.tag, value);
    }
    case Kind::ShortPair: {
        uint16_t first = 0;
        uint16_t second = 0;
        return !TIFFGetField(in, tag.tag, &first, &second) || TIFFSetField(out, tag.tag, first, second);
    }
    case Kind::FloatArray: {
        float* values = nullptr;
        return !TIFFGetField(in, tag.tag, &values) || TIFFSetField(out, tag.tag, values);
    }
    case Kind::ExtraSamples: {
        uint16_t count = 0;
        uint16_t* types = nullptr;
        return !TIFFGetField(in, tag.tag, &count, &types) || TIFFSetField(out, tag.tag, count, types);
    }
    case Kind::Bytes: {
        uint32_t count = 0;
        void* data = nullptr;
        return !TIFFGetField(in, tag.tag, &count, &data) || TIFFSetField(out, tag.tag, count, data);
    }
    case Kind::Colormap: {
        uint16_t* red = nullptr;
        uint16_t* green = nullptr;
        uint16_t* blue = nullptr;
        return !TIFFGetField(in, tag.tag, &red, &green, &blue) || TIFFSetField(out, tag.tag, red, green, blue);
    }
    }
    return false;
}

bool CopyLayout(TIFF* in, TIFF* out)
{
    if (TIFFIsTiled(in)) {
        uint32_t width = 0;
        uint32_t length = 0;
        return TIFFGetField(in, TIFFTAG_TILEWIDTH, &width) && TIFFGetField(in, TIFFTAG_TILELENGTH, &length)
            && TIFFSetField(out, TIFFTAG_TILEWIDTH, width) && TIFFSetField(out, TIFFTAG_TILELENGTH, length);
    }
    uint32_t rows = 0;
    TIFFGetFieldDefaulted(in, TIFFTAG_ROWSPERSTRIP, &rows);
    return TIFFSetField(out, TIFFTAG_ROWSPERSTRIP, rows);
}

// Strips or tiles, whichever the directory has, copied as stored.
bool CopyData(TIFF* in, TIFF* out, uint64_t fileSize)
{
    const bool tiled = TIFFIsTiled(in);
    const uint32_t chunks = tiled ? TIFFNumberOfTiles(in) : TIFFNumberOfStrips(in);
    uint64_t* sizes = nullptr;
    if (!TIFFGetField(in, tiled ? TIFFTAG_TILEBYTECOUNTS : TIFFTAG_STRIPBYTECOUNTS, &sizes) || !sizes)
        return false;
    std::vector<uint8_t> buffer;
    for (uint32_t chunk = 0; chunk < chunks; ++chunk) {
        // The byte count comes from the file: checked against the file's
        // real size before anything is allocated for it.
        if (sizes[chunk] > fileSize || sizes[chunk] > static_cast<uint64_t>(DecodeLimits::kMaxBytes))
            return false;
        if (sizes[chunk] == 0)
            continue;  // a strip never written stays unwritten
        buffer.resize(static_cast<size_t>(sizes[chunk]));
        const tmsize_t size = static_cast<tmsize_t>(buffer.size());
        const tmsize_t read = tiled ? TIFFReadRawTile(in, chunk, buffer.data(), size)
                                    : TIFFReadRawStrip(in, chunk, buffer.data(), size);
        if (read != size)
            return false;
        const tmsize_t written = tiled ? TIFFWriteRawTile(out, chunk, buffer.data(), size)
                                       : TIFFWriteRawStrip(out, chunk, buffer.data(), size);
        if (written != size)
            return false;
    }
    return true;
}

} // namespace

namespace TiffDirectoryCopier {

bool CopyDirectory(TIFF* in, TIFF* out, uint64_t fileSize, uint16_t pageIndex, uint16_t pageCount)
{
    for (const Tag& tag : kTags) {
        if (!CopyTag(in, out, tag))
            return false;
    }
    if (!CopyLayout(in, out) || !TIFFSetField(out, TIFFTAG_PAGENUMBER, pageIndex, pageCount))
        return false;
    return CopyData(in, out, fileSize) && TIFFWriteDirectory(out) == 1;
}

} // namespace TiffDirectoryCopier

#include "viewer/SaveFormat.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace SaveFormats {
namespace {

struct Name {
    std::string_view name;
    SaveFormat format;
};

constexpr std::array kNames{
    Name{"BMP", SaveFormat::Bmp},   Name{"JPG", SaveFormat::Jpeg}, Name{"JPEG", SaveFormat::Jpeg},
    Name{"TIF", SaveFormat::Tiff},  Name{"TIFF", SaveFormat::Tiff}, Name{"PDF", SaveFormat::Pdf},
    Name{"WBMP", SaveFormat::Wbmp}, Name{"GIF", SaveFormat::Gif},  Name{"PCX", SaveFormat::Pcx},
    Name{"TGA", SaveFormat::Tga},   Name{"ICO", SaveFormat::Ico},  Name{"JP2", SaveFormat::Jp2},
    Name{"JPC", SaveFormat::Jpc},   Name{"J2K", SaveFormat::Jpc},  Name{"RAS", SaveFormat::Ras},
    Name{"PGX", SaveFormat::Pgx},   Name{"PNM", SaveFormat::Pnm},  Name{"PNG", SaveFormat::Png},
};

std::string_view Trimmed(std::string_view text)
{
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    while (!text.empty() && blank(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && blank(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

} // namespace

std::optional<SaveFormat> Parse(std::string_view name)
{
    const std::string_view trimmed = Trimmed(name);
    for (const Name& entry : kNames) {
        if (EqualsIgnoringCase(entry.name, trimmed))
            return entry.format;
    }
    return std::nullopt;
}

bool HoldsAllPages(SaveFormat format)
{
    return format == SaveFormat::Tiff || format == SaveFormat::Pdf || format == SaveFormat::Gif;
}

bool IsOpaque(SaveFormat format)
{
    switch (format) {
    case SaveFormat::Png:
    case SaveFormat::Tiff:
    case SaveFormat::Pdf:
    case SaveFormat::Gif:
    case SaveFormat::Ico:
    case SaveFormat::Tga:
    case SaveFormat::Jp2:
    case SaveFormat::Jpc:
        return false;
    default:
        return true;
    }
}

} // namespace SaveFormats

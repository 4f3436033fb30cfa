#pragma once

#include <optional>
#include <string_view>

// The formats that SaveAs writes, under the names of the main dialog's
// format list.
enum class SaveFormat { Bmp, Jpeg, Tiff, Pdf, Wbmp, Gif, Pcx, Tga, Ico, Jp2, Jpc, Ras, Pgx, Pnm, Png };

namespace SaveFormats {

// A name of the list in any letter case, or one of the common spellings
// JPEG, TIFF and J2K; surrounding blanks are ignored. Nothing for others.
std::optional<SaveFormat> Parse(std::string_view name);

// Formats that hold a whole document rather than the page shown.
bool HoldsAllPages(SaveFormat format);

// Formats without transparency, whose pixels are flattened onto white.
bool IsOpaque(SaveFormat format);

// The largest side an icon can have.
constexpr int kIconMaxSide = 256;

} // namespace SaveFormats

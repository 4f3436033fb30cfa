#pragma once

#include <tiffio.h>

// Copies one TIFF directory from the current directory of `in` to the
// current directory of `out` without decoding: its tags, then its strips or
// tiles byte for byte. The page number tag is given anew, as (index, count).
// `fileSize` bounds the byte counts that the input claims.
namespace TiffDirectoryCopier {

bool CopyDirectory(TIFF* in, TIFF* out, uint64_t fileSize, uint16_t pageIndex, uint16_t pageCount);

} // namespace TiffDirectoryCopier

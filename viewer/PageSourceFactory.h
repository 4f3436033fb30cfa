#pragma once

#include "viewer/PageSource.h"

#include <memory>

// Opens a file with the engine chosen for its format (detected from its
// content where the format allows): Qt's readers for JPEG, PNG, BMP, GIF and
// PNM, libtiff for TIFF, poppler for PDF, ImageMagick for the rest.
namespace PageSourceFactory {

// Nothing, with `error` set to a short reason, when the file cannot be
// opened: it is missing, of no supported format, damaged or too large.
std::unique_ptr<CPageSource> Open(const QString& path, QString& error);

} // namespace PageSourceFactory

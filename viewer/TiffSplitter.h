#pragma once

#include <QString>

// SplitTiff: pages 1..page of a TIFF go to `first`, the rest to `second`,
// copied without re-encoding and numbered anew in each output. Nothing is
// written unless the source is a TIFF of more than `page` pages (page >= 1);
// both outputs are written to temporary files and put in place only when
// both are complete.
namespace TiffSplitter {

bool Split(const QString& source, int page, const QString& first, const QString& second, QString& error);

} // namespace TiffSplitter

#pragma once

#include <QString>

class CPageSource;

// SaveAs: writes the document (TIFF, PDF, GIF) or the page shown (the other
// formats) in a named format at the size the caller's two integers give.
// The output goes to a temporary file beside the target that replaces the
// target only once complete, so a failed save leaves any existing file as
// it was, and saving over the file being viewed is safe.
namespace DocumentSaver {

bool Save(CPageSource& source, int shownIndex, const QString& path, const QString& formatName, int a, int b,
          QString& error);

} // namespace DocumentSaver

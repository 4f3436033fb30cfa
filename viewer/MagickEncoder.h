#pragma once

#include "viewer/ImageEncoder.h"
#include "viewer/SaveFormat.h"

// The formats that only ImageMagick writes here: GIF (every page a frame),
// WBMP, PCX, TGA, ICO, JPEG 2000 as boxed file or raw codestream, Sun
// raster, PGX and binary PNM.
class CMagickEncoder final : public CImageEncoder {
public:
    explicit CMagickEncoder(SaveFormat format)
        : m_format(format)
    {
    }
    bool Encode(int pageCount, const PageProvider& page, QIODevice& out, QString& error) override;

private:
    SaveFormat m_format;
};

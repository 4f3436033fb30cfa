#pragma once

#include "viewer/ImageEncoder.h"

// PDF with one lossless (Flate) image per page, sized so that the page
// reads back at the same pixel size at the viewer's 100 %.
class CPdfEncoder final : public CImageEncoder {
public:
    bool Encode(int pageCount, const PageProvider& page, QIODevice& out, QString& error) override;
};

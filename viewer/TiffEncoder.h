#pragma once

#include "viewer/ImageEncoder.h"

// Multi-page TIFF through libtiff: 8-bit RGB, or RGBA where a page has
// transparency, compressed losslessly with Deflate.
class CTiffEncoder final : public CImageEncoder {
public:
    bool Encode(int pageCount, const PageProvider& page, QIODevice& out, QString& error) override;
};

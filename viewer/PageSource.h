#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// One open document as an imaging engine sees it: its pages, their sizes,
// and pages rendered at any size. Each format's engine implements it.
class CPageSource {
public:
    virtual ~CPageSource() = default;

    virtual int PageCount() const = 0;
    // Pixels at 100 %, of page `index` (0-based).
    virtual QSize PageSize(int index) const = 0;
    // Page `index` scaled to `size`, only the part `clip` of it (in the
    // scaled page's coordinates). Raster engines shrink in their decoder
    // where they can, so a big page is never held whole for a small view.
    // A null image, with `error` set, when the page cannot be decoded.
    virtual QImage Render(int index, QSize size, QRect clip, QString& error) = 0;
    // Whether pages stay sharp when rendered above PageSize (vector pages).
    virtual bool IsScalable() const { return false; }
};

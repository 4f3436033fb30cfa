#pragma once

#include <QImage>
#include <QString>
#include <functional>

class QIODevice;

// Writes pages, already at their output size, in one format. Pages are
// asked for one at a time, so a long document is never held whole by the
// encoders that stream (TIFF, PDF).
class CImageEncoder {
public:
    using PageProvider = std::function<QImage(int index, QString& error)>;

    virtual ~CImageEncoder() = default;
    // Formats that hold one image get pageCount 1.
    virtual bool Encode(int pageCount, const PageProvider& page, QIODevice& out, QString& error) = 0;
};

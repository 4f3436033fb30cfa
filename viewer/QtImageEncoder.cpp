#include "viewer/QtImageEncoder.h"

#include <QImageWriter>

bool CQtImageEncoder::Encode(int pageCount, const PageProvider& page, QIODevice& out, QString& error)
{
    if (pageCount < 1)
        return false;
    const QImage image = page(0, error);
    if (image.isNull())
        return false;
    QImageWriter writer(&out, m_format);
    if (m_format == "jpeg")
        writer.setQuality(92);
    if (!writer.write(image)) {
        error = writer.errorString();
        return false;
    }
    return true;
}

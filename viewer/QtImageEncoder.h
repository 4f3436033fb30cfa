#pragma once

#include "viewer/ImageEncoder.h"

#include <QByteArray>

// BMP, JPEG and PNG through Qt's image writers.
class CQtImageEncoder final : public CImageEncoder {
public:
    explicit CQtImageEncoder(QByteArray format)
        : m_format(std::move(format))
    {
    }
    bool Encode(int pageCount, const PageProvider& page, QIODevice& out, QString& error) override;

private:
    QByteArray m_format;
};

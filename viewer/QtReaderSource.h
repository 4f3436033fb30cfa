#pragma once

#include "viewer/PageSource.h"

#include <QByteArray>
#include <memory>
#include <vector>

// JPEG, PNG, BMP, GIF and PNM through Qt's image readers. JPEG shrinks in
// its decoder (scaled DCT) and decodes only the clip; photos turned by their
// EXIF orientation show upright; GIF frames come out composited onto the
// full canvas, as an animation shows them.
class CQtReaderSource final : public CPageSource {
public:
    // Nothing, with `error` set, when the file is no readable image.
    static std::unique_ptr<CQtReaderSource> Open(const QString& path, const QByteArray& format, QString& error);

    int PageCount() const override { return static_cast<int>(m_sizes.size()); }
    QSize PageSize(int index) const override { return m_sizes[static_cast<size_t>(index)]; }
    QImage Render(int index, QSize size, QRect clip, QString& error) override;

private:
    CQtReaderSource(QString path, QByteArray format, bool upright, std::vector<QSize> sizes);
    QImage DecodeFrame(int index, QString& error);

    QString m_path;
    QByteArray m_format;
    bool m_upright;  // shown as stored, without an orientation to apply
    std::vector<QSize> m_sizes;
    // The last whole frame decoded, so scrolling a zoomed page of a format
    // without clipped decoding does not decode it again.
    int m_cachedIndex = -1;
    QImage m_cachedFrame;
};

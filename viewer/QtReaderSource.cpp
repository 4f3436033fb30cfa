#include "viewer/QtReaderSource.h"

#include "viewer/DecodeLimits.h"
#include "viewer/RasterScaling.h"

#include <QImageReader>

namespace {

// The frames of a GIF are counted by reading them; a file that claims more
// cannot be paged with 16-bit page numbers anyway.
constexpr int kMaxFrames = 32767;

QString SizeError(QSize size)
{
    return QStringLiteral("the image is too large (%1 x %2 pixels)").arg(size.width()).arg(size.height());
}

void LimitReaderAllocations()
{
    static const bool once = [] {
        QImageReader::setAllocationLimit(static_cast<int>(DecodeLimits::kMaxBytes >> 20));
        return true;
    }();
    (void)once;
}

} // namespace

CQtReaderSource::CQtReaderSource(QString path, QByteArray format, bool upright, std::vector<QSize> sizes)
    : m_path(std::move(path))
    , m_format(std::move(format))
    , m_upright(upright)
    , m_sizes(std::move(sizes))
{
}

std::unique_ptr<CQtReaderSource> CQtReaderSource::Open(const QString& path, const QByteArray& format, QString& error)
{
    LimitReaderAllocations();
    QImageReader reader(path, format);
    reader.setDecideFormatFromContent(false);
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    const QSize size = turned ? reader.size().transposed() : reader.size();
    if (!reader.canRead() || !size.isValid()) {
        error = QStringLiteral("the image cannot be decoded (%1)").arg(reader.errorString());
        return nullptr;
    }
    // JPEG decodes shrunk or clipped, so a photo larger than one page's
    // worth of memory still shows; the other formats decode whole.
    const bool fits = format == "jpeg" ? DecodeLimits::FitsStreamedPage(size.width(), size.height())
                                       : DecodeLimits::FitsPage(size.width(), size.height());
    if (!fits) {
        error = SizeError(size);
        return nullptr;
    }
    const int frames = format == "gif" ? std::clamp(reader.imageCount(), 1, kMaxFrames) : 1;
    // A photo whose camera recorded it turned (the EXIF orientation) shows
    // upright; only upright JPEGs decode just their clip.
    const bool upright = reader.transformation() == QImageIOHandler::TransformationNone;
    return std::unique_ptr<CQtReaderSource>(
        new CQtReaderSource(path, format, upright, std::vector<QSize>(static_cast<size_t>(frames), size)));
}

QImage CQtReaderSource::DecodeFrame(int index, QString& error)
{
    if (index == m_cachedIndex)
        return m_cachedFrame;
    QImageReader reader(m_path, m_format);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(true);
    QImage frame;
    for (int i = 0; i <= index; ++i) {
        if (!reader.read(&frame)) {
            error = QStringLiteral("the image cannot be decoded (%1)").arg(reader.errorString());
            return {};
        }
    }
    m_cachedFrame = frame;
    m_cachedIndex = index;
    return frame;
}

QImage CQtReaderSource::Render(int index, QSize size, QRect clip, QString& error)
{
    const QSize full = PageSize(index);
    const bool shrinking = size.width() <= full.width() && size.height() <= full.height();
    if (m_format == "jpeg" && shrinking && m_upright) {
        QImageReader reader(m_path, m_format);
        reader.setDecideFormatFromContent(false);
        const QRect bounded = clip.intersected(QRect(QPoint(0, 0), size));
        if (size != full) {
            reader.setScaledSize(size);
            reader.setScaledClipRect(bounded);
        } else if (bounded != QRect(QPoint(0, 0), full)) {
            reader.setClipRect(bounded);
        }
        QImage image;
        if (!reader.read(&image)) {
            error = QStringLiteral("the image cannot be decoded (%1)").arg(reader.errorString());
            return {};
        }
        return image;
    }
    return RasterScaling::ScaledClip(DecodeFrame(index, error), size, clip);
}

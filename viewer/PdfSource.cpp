#include "viewer/PdfSource.h"

#include "viewer/DecodeLimits.h"

#include <cmath>
#include <poppler-qt6.h>

namespace {

// Page numbers are 16-bit: further pages could never be shown.
constexpr int kMaxPages = 32767;

QSize PixelSizeOf(const Poppler::Document& document, int index)
{
    const std::unique_ptr<Poppler::Page> page = document.page(index);
    const QSizeF points = page ? page->pageSizeF() : QSizeF(72, 72);
    const auto pixels = [](double length) {
        return static_cast<int>(std::clamp(std::lround(length * CPdfSource::kPixelsPerInch / 72.0), 1L,
                                           long{DecodeLimits::kMaxSide}));
    };
    return {pixels(points.width()), pixels(points.height())};
}

} // namespace

CPdfSource::CPdfSource(std::unique_ptr<Poppler::Document> document, std::vector<QSize> sizes)
    : m_document(std::move(document))
    , m_sizes(std::move(sizes))
{
}

CPdfSource::~CPdfSource() = default;

std::unique_ptr<CPdfSource> CPdfSource::Open(const QString& path, QString& error)
{
    // poppler prints every complaint about a damaged file; the reason the
    // user sees is ours.
    static const bool quiet = [] {
        Poppler::setDebugErrorFunction([](const QString&, const QVariant&) {}, QVariant());
        return true;
    }();
    (void)quiet;
    std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path);
    if (!document) {
        error = QStringLiteral("the PDF document is damaged");
        return nullptr;
    }
    if (document->isLocked()) {
        error = QStringLiteral("the PDF document is protected by a password");
        return nullptr;
    }
    if (document->numPages() < 1) {
        error = QStringLiteral("the PDF document has no pages");
        return nullptr;
    }
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    std::vector<QSize> sizes;
    const int count = std::min(document->numPages(), kMaxPages);
    for (int index = 0; index < count; ++index)
        sizes.push_back(PixelSizeOf(*document, index));
    return std::unique_ptr<CPdfSource>(new CPdfSource(std::move(document), std::move(sizes)));
}

QImage CPdfSource::Render(int index, QSize size, QRect clip, QString& error)
{
    const std::unique_ptr<Poppler::Page> page = m_document->page(index);
    const QRect bounded = clip.intersected(QRect(QPoint(0, 0), size));
    if (!page || bounded.isEmpty()) {
        error = QStringLiteral("the page cannot be read");
        return {};
    }
    if (!DecodeLimits::FitsPage(bounded.width(), bounded.height())) {
        error = QStringLiteral("the page is too large to render");
        return {};
    }
    const QSizeF points = page->pageSizeF();
    if (points.isEmpty()) {
        error = QStringLiteral("the page has no size");
        return {};
    }
    const double xResolution = 72.0 * size.width() / points.width();
    const double yResolution = 72.0 * size.height() / points.height();
    QImage image = page->renderToImage(xResolution, yResolution, bounded.x(), bounded.y(), bounded.width(), bounded.height());
    if (image.isNull()) {
        error = QStringLiteral("the page cannot be rendered");
        return {};
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

#pragma once

#include "viewer/PageSource.h"

#include <memory>
#include <vector>

namespace Poppler {
class Document;
}

// PDF through poppler, rendered at the resolution each view needs and only
// in the visible part, so pages stay sharp at any zoom. 100 % shows 96 page
// pixels per inch, the desktop's usual resolution.
class CPdfSource final : public CPageSource {
public:
    static constexpr double kPixelsPerInch = 96.0;

    static std::unique_ptr<CPdfSource> Open(const QString& path, QString& error);
    ~CPdfSource() override;

    int PageCount() const override { return static_cast<int>(m_sizes.size()); }
    QSize PageSize(int index) const override { return m_sizes[static_cast<size_t>(index)]; }
    QImage Render(int index, QSize size, QRect clip, QString& error) override;
    bool IsScalable() const override { return true; }

private:
    CPdfSource(std::unique_ptr<Poppler::Document> document, std::vector<QSize> sizes);

    std::unique_ptr<Poppler::Document> m_document;
    std::vector<QSize> m_sizes;
};

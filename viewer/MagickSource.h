#pragma once

#include "viewer/ImageFormat.h"
#include "viewer/PageSource.h"

#include <memory>
#include <vector>

// The formats that only ImageMagick reads here: Photoshop (its composite),
// JPEG 2000, PCX, WMF, WBMP, TGA, PGX, Sun raster, PAM and icons (each
// image of an icon file a page). These files are small or read whole
// anyway, so every page is decoded when the file opens.
class CMagickSource final : public CPageSource {
public:
    static std::unique_ptr<CMagickSource> Open(const QString& path, ImageFormat format, QString& error);

    int PageCount() const override { return static_cast<int>(m_pages.size()); }
    QSize PageSize(int index) const override { return m_pages[static_cast<size_t>(index)].size(); }
    QImage Render(int index, QSize size, QRect clip, QString& error) override;

private:
    explicit CMagickSource(std::vector<QImage> pages);

    std::vector<QImage> m_pages;
};

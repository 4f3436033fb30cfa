#pragma once

#include "viewer/PageSource.h"
#include "viewer/TiffFile.h"

#include <memory>
#include <vector>

// TIFF through libtiff. Directories are located once, when the file opens,
// so any page is one seek away; a page is decoded a strip or a tile row at a
// time and shrunk on the fly, so a huge page is never held whole for a small
// view, and rows outside the clip are not decoded at all.
class CTiffSource final : public CPageSource {
public:
    static std::unique_ptr<CTiffSource> Open(const QString& path, QString& error);

    int PageCount() const override { return static_cast<int>(m_pages.size()); }
    QSize PageSize(int index) const override { return m_pages[static_cast<size_t>(index)].size; }
    QImage Render(int index, QSize size, QRect clip, QString& error) override;

private:
    struct Page {
        toff_t offset = 0;
        QSize size;
    };

    CTiffSource(std::unique_ptr<CTiffFile> file, std::vector<Page> pages);
    QImage Shrink(QSize size, QRect clip, QString& error);

    std::unique_ptr<CTiffFile> m_file;
    std::vector<Page> m_pages;
    // One band of decoded source pixels, kept between pages so that paging
    // does not allocate (and fault in) it every time.
    std::vector<uint32_t> m_raster;
};

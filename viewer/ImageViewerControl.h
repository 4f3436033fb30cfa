#pragma once

#include "viewer/FileStamp.h"
#include "viewer/ImageViewer.h"
#include "viewer/PixelGeometry.h"
#include "viewer/ZoomState.h"

#include <QImage>
#include <QWidget>
#include <memory>

class CPageSource;

// The image viewer control: shows one page of an image file in the view
// area that the dialog places on its skin, zooms it, pages through the
// file, saves it in another format and splits TIFF files. The imaging is
// done by the per-format engines behind CPageSource; this widget keeps the
// view's state, renders the part of the page that is visible at the zoom in
// effect, paints it and handles the mouse.
class CImageViewerControl final : public QWidget, public CImageViewer {
    Q_OBJECT
public:
    explicit CImageViewerControl(QWidget* parent);
    ~CImageViewerControl() override;

    QWidget* Widget() override { return this; }
    void SetFileName(const QString& file) override;
    void SetViewMode(int16_t mode) override;
    void SetOpenOption(int32_t option) override;
    int16_t ShowPage(const QString& file, int16_t page) override;
    int16_t GetPageCount() override;
    int16_t SaveAs(const QString& file, const QString& format, int16_t width, int16_t height) override;
    void ZoomIn() override;
    void ZoomOut() override;
    bool SplitTiff(const QString& source, int16_t page, const QString& first, const QString& second) override;
    void SetBrowseFolder(const QString& folder) override;

    // What the view shows, for the benchmark driver and the tests.
    int CurrentPage() const { return m_pageIndex + 1; }  // 0 when none
    double CurrentZoom() const;
    QRect DisplayedPageRect() const;                     // widget coordinates
    QPoint ScrollOffset() const { return {m_scroll.x, m_scroll.y}; }
    QString Message() const { return m_message; }        // shown instead of a page
    QString LastError() const { return m_lastError; }    // of the last failed call

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    enum class Drag { None, Pan, HorizontalThumb, VerticalThumb };
    enum class Axis { Horizontal, Vertical };

    QString Resolve(const QString& file) const;
    std::unique_ptr<CPageSource> OpenSource(const QString& path, QString& reason);
    void Adopt(std::unique_ptr<CPageSource> source, const QString& path, const FileStamp& stamp);
    // Opens `path` and shows `page` (1-based); see ShowPage for a wrong page.
    bool OpenAndShow(const QString& path, int page);
    bool ShowIndex(int index);
    void Fail(const QString& message);

    PixelSize PageSize() const;
    PixelSize ViewSize() const { return {width(), height()}; }
    PixelSize ScaledSize() const;
    PixelSize RenderedSize() const;
    void ChangeZoom(void (CZoomState::*change)(PixelSize, PixelSize));
    void ScrollTo(PixelPoint scroll);
    // Brings the rendered piece up to the view's state; false when the
    // page cannot be rendered (the reason is then the message).
    bool Refresh();

    QRect TrackRect(Axis axis) const;
    QRect ThumbRect(Axis axis) const;
    void PaintScrollBars(class QPainter& painter) const;

    std::unique_ptr<CPageSource> m_source;
    QString m_path;
    FileStamp m_stamp;
    int m_pageIndex = -1;

    CZoomState m_zoom;
    PixelPoint m_scroll;
    QString m_message;
    QString m_lastError;
    QString m_browseFolder;
    int32_t m_openOption = 1;

    // The rendered part of the page: `m_pieceRect` of the page rendered at
    // `m_renderedSize`.
    QImage m_piece;
    int m_pieceIndex = -1;
    QSize m_renderedSize;
    QRect m_pieceRect;

    Drag m_drag = Drag::None;
    QPoint m_dragOrigin;
    PixelPoint m_scrollAtDrag;
    int m_thumbAtDrag = 0;
};

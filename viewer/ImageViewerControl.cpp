#include "viewer/ImageViewerControl.h"

#include "viewer/BusyCursor.h"
#include "viewer/DocumentSaver.h"
#include "viewer/PageBounds.h"
#include "viewer/PageSourceFactory.h"
#include "viewer/QtPixelGeometry.h"
#include "viewer/ScrollBarGeometry.h"
#include "viewer/TiffSplitter.h"
#include "viewer/ViewGeometry.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

const QColor kBackground(0x30, 0x30, 0x33);
const QColor kMessageText(0xE0, 0xE0, 0xE0);
// Dark bars with a light rim stand out on white pages and on the dark
// background alike.
const QColor kTrack(0x00, 0x00, 0x00, 0x40);
const QColor kThumb(0x38, 0x38, 0x3C, 0xD0);
const QColor kRim(0xFF, 0xFF, 0xFF, 0x90);
constexpr int kBarThickness = 10;
constexpr int kBarMargin = 2;
constexpr int kWheelStep = 80;  // pixels per notch

// Pages rendered whole below this area are scrolled without rendering
// again; larger ones are rendered around the visible part only.
constexpr int64_t kWholePagePixels = 16 << 20;
// Renders above this take long enough to show the busy cursor.
constexpr int64_t kSlowRenderPixels = 4 << 20;

} // namespace

using namespace QtPixelGeometry;

CImageViewerControl::CImageViewerControl(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CImageViewerControl::~CImageViewerControl() = default;

std::unique_ptr<CImageViewer> CreateImageViewer(QWidget* parent)
{
    return std::make_unique<CImageViewerControl>(parent);
}

QString CImageViewerControl::Resolve(const QString& file) const
{
    if (file.isEmpty())
        return {};
    QFileInfo info(file);
    if (info.isRelative())
        info = QFileInfo(QDir(m_browseFolder.isEmpty() ? QDir::currentPath() : m_browseFolder), file);
    return QDir::cleanPath(info.absoluteFilePath());
}

void CImageViewerControl::Fail(const QString& message)
{
    m_lastError = message;
    m_message = message;
    m_piece = {};
    update();
}

std::unique_ptr<CPageSource> CImageViewerControl::OpenSource(const QString& path, QString& reason)
{
    CBusyCursor busy(true);
    return PageSourceFactory::Open(path, reason);
}

void CImageViewerControl::Adopt(std::unique_ptr<CPageSource> source, const QString& path, const FileStamp& stamp)
{
    m_source = std::move(source);
    m_path = path;
    m_stamp = stamp;
    m_pageIndex = -1;
    m_piece = {};
    m_pieceIndex = -1;
    m_message.clear();
}

bool CImageViewerControl::OpenAndShow(const QString& path, int page)
{
    const FileStamp stamp = FileStamp::Of(QFile::encodeName(path).toStdString());
    QString reason;
    std::unique_ptr<CPageSource> candidate = OpenSource(path, reason);
    if (!candidate) {
        Adopt(nullptr, path, stamp);
        Fail(QStringLiteral("Cannot open \"%1\": %2.").arg(QFileInfo(path).fileName(), reason));
        return false;
    }
    if (!PageBounds::IsPage(page, candidate->PageCount())) {
        m_lastError = QStringLiteral("page %1 is not a page of the file").arg(page);
        // A wrong page of another file changes nothing; the file shown,
        // when it has changed on disk, is taken anew all the same.
        if (path == m_path) {
            const int kept = std::clamp(m_pageIndex, 0, candidate->PageCount() - 1);
            Adopt(std::move(candidate), path, stamp);
            ShowIndex(kept);
        }
        return false;
    }
    Adopt(std::move(candidate), path, stamp);
    return ShowIndex(page - 1);
}

bool CImageViewerControl::ShowIndex(int index)
{
    // The dialog shows the current page again before every step: what is
    // rendered of it already is kept.
    if (index != m_pageIndex) {
        m_piece = {};
        m_pieceIndex = -1;
    }
    m_pageIndex = index;
    m_scroll = {};
    m_message.clear();
    const bool shown = Refresh();
    update();
    return shown;
}

void CImageViewerControl::SetFileName(const QString& file)
{
    const QString path = Resolve(file);
    if (path.isEmpty()) {
        Adopt(nullptr, {}, {});
        update();
        return;
    }
    OpenAndShow(path, 1);
}

int16_t CImageViewerControl::ShowPage(const QString& file, int16_t page)
{
    const QString path = Resolve(file);
    if (path.isEmpty()) {
        m_lastError = QStringLiteral("no file to show");
        return 0;
    }
    const bool current = m_source && path == m_path && FileStamp::Of(QFile::encodeName(path).toStdString()) == m_stamp;
    if (!current)
        return OpenAndShow(path, page) ? 1 : 0;
    if (!PageBounds::IsPage(page, m_source->PageCount())) {
        m_lastError = QStringLiteral("page %1 is not a page of the file").arg(page);
        return 0;
    }
    return ShowIndex(page - 1) ? 1 : 0;
}

int16_t CImageViewerControl::GetPageCount()
{
    return m_source ? static_cast<int16_t>(m_source->PageCount()) : 0;
}

void CImageViewerControl::SetViewMode(int16_t mode)
{
    const PixelSize oldScaled = ScaledSize();
    if (!m_zoom.SetViewMode(mode))
        return;
    m_scroll = ViewGeometry::ScrollKeepingCentre(oldScaled, ScaledSize(), ViewSize(), m_scroll);
    Refresh();
    update();
}

void CImageViewerControl::ChangeZoom(void (CZoomState::*change)(PixelSize, PixelSize))
{
    const PixelSize oldScaled = ScaledSize();
    (m_zoom.*change)(PageSize(), ViewSize());
    m_scroll = ViewGeometry::ScrollKeepingCentre(oldScaled, ScaledSize(), ViewSize(), m_scroll);
    Refresh();
    update();
}

void CImageViewerControl::ZoomIn()
{
    ChangeZoom(&CZoomState::ZoomIn);
}

void CImageViewerControl::ZoomOut()
{
    ChangeZoom(&CZoomState::ZoomOut);
}

void CImageViewerControl::SetOpenOption(int32_t option)
{
    // Only the normal opening (1) exists; other values are kept and change
    // nothing, so a caller that reads them back sees what it wrote.
    m_openOption = option;
}

int16_t CImageViewerControl::SaveAs(const QString& file, const QString& format, int16_t width, int16_t height)
{
    if (!m_source || m_pageIndex < 0) {
        m_lastError = QStringLiteral("no page is shown");
        return 0;
    }
    if (file.isEmpty()) {
        m_lastError = QStringLiteral("the output has no name");
        return 0;
    }
    CBusyCursor busy(true);
    return DocumentSaver::Save(*m_source, m_pageIndex, Resolve(file), format, width, height, m_lastError) ? 1 : 0;
}

bool CImageViewerControl::SplitTiff(const QString& source, int16_t page, const QString& first, const QString& second)
{
    const QString firstPath = Resolve(first);
    const QString secondPath = Resolve(second);
    if (firstPath.isEmpty() || secondPath.isEmpty()) {
        m_lastError = QStringLiteral("an output has no name");
        return false;
    }
    CBusyCursor busy(true);
    return TiffSplitter::Split(Resolve(source), page, firstPath, secondPath, m_lastError);
}

void CImageViewerControl::SetBrowseFolder(const QString& folder)
{
    m_browseFolder = folder;
}

PixelSize CImageViewerControl::PageSize() const
{
    if (!m_source || m_pageIndex < 0)
        return {};
    return ToPixelSize(m_source->PageSize(m_pageIndex));
}

double CImageViewerControl::CurrentZoom() const
{
    return m_zoom.Zoom(PageSize(), ViewSize());
}

PixelSize CImageViewerControl::ScaledSize() const
{
    const PixelSize page = PageSize();
    return page.IsEmpty() ? PixelSize{} : ViewGeometry::ScaledSize(page, CurrentZoom());
}

PixelSize CImageViewerControl::RenderedSize() const
{
    const PixelSize page = PageSize();
    return page.IsEmpty() ? PixelSize{} : ViewGeometry::RenderedSize(page, CurrentZoom(), m_source->IsScalable());
}

QRect CImageViewerControl::DisplayedPageRect() const
{
    if (PageSize().IsEmpty() || !m_message.isEmpty())
        return {};
    return ToQRect(ViewGeometry::PageRectInView(ScaledSize(), ViewSize(), m_scroll));
}

bool CImageViewerControl::Refresh()
{
    m_scroll = ViewGeometry::ClampScroll(m_scroll, ScaledSize(), ViewSize());
    const PixelSize scaled = ScaledSize();
    const bool pannable = scaled.width > width() || scaled.height > height();
    setCursor(pannable ? Qt::OpenHandCursor : Qt::ArrowCursor);
    if (scaled.IsEmpty() || ViewSize().IsEmpty())
        return m_source && m_pageIndex >= 0;

    const PixelSize rendered = RenderedSize();
    const PixelRect visible = ViewGeometry::VisibleScaledRect(scaled, ViewSize(), m_scroll);
    const PixelRect needed = ViewGeometry::MapRect(visible, scaled, rendered);
    if (!m_piece.isNull() && m_pieceIndex == m_pageIndex && m_renderedSize == ToQSize(rendered)
        && ToPixelRect(m_pieceRect).Contains(needed))
        return true;

    const PixelRect request = ViewGeometry::RenderRequest(rendered, needed, kWholePagePixels);
    QString reason;
    QImage piece;
    {
        CBusyCursor busy(request.Size().Area() > kSlowRenderPixels || m_source->IsScalable());
        piece = m_source->Render(m_pageIndex, ToQSize(rendered), ToQRect(request), reason);
    }
    if (piece.isNull()) {
        Fail(QStringLiteral("Cannot show page %1 of \"%2\": %3.")
                 .arg(m_pageIndex + 1)
                 .arg(QFileInfo(m_path).fileName(), reason));
        return false;
    }
    m_piece = std::move(piece);
    m_pieceIndex = m_pageIndex;
    m_renderedSize = ToQSize(rendered);
    m_pieceRect = ToQRect(request);
    return true;
}

void CImageViewerControl::ScrollTo(PixelPoint scroll)
{
    const PixelPoint clamped = ViewGeometry::ClampScroll(scroll, ScaledSize(), ViewSize());
    if (clamped == m_scroll)
        return;
    m_scroll = clamped;
    Refresh();
    update();
}

QRect CImageViewerControl::TrackRect(Axis axis) const
{
    const PixelSize scaled = ScaledSize();
    const bool horizontal = ScrollBarGeometry::IsNeeded(scaled.width, width());
    const bool vertical = ScrollBarGeometry::IsNeeded(scaled.height, height());
    // Where both bars show, each stops short of the corner the other uses.
    if (axis == Axis::Horizontal) {
        if (!horizontal)
            return {};
        const int end = width() - kBarMargin - (vertical ? kBarThickness + kBarMargin : 0);
        return {kBarMargin, height() - kBarMargin - kBarThickness, end - kBarMargin, kBarThickness};
    }
    if (!vertical)
        return {};
    const int end = height() - kBarMargin - (horizontal ? kBarThickness + kBarMargin : 0);
    return {width() - kBarMargin - kBarThickness, kBarMargin, kBarThickness, end - kBarMargin};
}

QRect CImageViewerControl::ThumbRect(Axis axis) const
{
    const QRect track = TrackRect(axis);
    if (track.isEmpty())
        return {};
    const PixelSize scaled = ScaledSize();
    if (axis == Axis::Horizontal) {
        const auto thumb = ScrollBarGeometry::ThumbOf(track.width(), scaled.width, width(), m_scroll.x);
        return {track.x() + thumb.start, track.y(), thumb.length, track.height()};
    }
    const auto thumb = ScrollBarGeometry::ThumbOf(track.height(), scaled.height, height(), m_scroll.y);
    return {track.x(), track.y() + thumb.start, track.width(), thumb.length};
}

void CImageViewerControl::PaintScrollBars(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    for (Axis axis : {Axis::Horizontal, Axis::Vertical}) {
        const QRect track = TrackRect(axis);
        if (track.isEmpty())
            continue;
        constexpr double kRadius = kBarThickness / 2.0;
        painter.setPen(Qt::NoPen);
        painter.setBrush(kTrack);
        painter.drawRoundedRect(track, kRadius, kRadius);
        painter.setPen(QPen(kRim, 1.0));
        painter.setBrush(kThumb);
        painter.drawRoundedRect(QRectF(ThumbRect(axis)).adjusted(0.5, 0.5, -0.5, -0.5), kRadius, kRadius);
    }
}

void CImageViewerControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    if (!m_message.isEmpty()) {
        painter.setPen(kMessageText);
        painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, m_message);
        return;
    }
    if (m_piece.isNull())
        return;
    const QRect page = DisplayedPageRect();
    const QRect target = page.intersected(rect());
    if (target.isEmpty())
        return;
    // The target mapped into the rendered page, then into the piece.
    const double sx = static_cast<double>(m_renderedSize.width()) / page.width();
    const double sy = static_cast<double>(m_renderedSize.height()) / page.height();
    const QRectF source((target.x() - page.x()) * sx - m_pieceRect.x(), (target.y() - page.y()) * sy - m_pieceRect.y(),
                        target.width() * sx, target.height() * sy);
    // No smoothing: enlarged pixels stay crisp squares; at or below 100 %
    // the piece is already at the displayed size and is copied 1:1.
    painter.drawImage(QRectF(target), m_piece, source);
    PaintScrollBars(painter);
}

void CImageViewerControl::resizeEvent(QResizeEvent*)
{
    Refresh();
}

void CImageViewerControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    m_dragOrigin = at;
    m_scrollAtDrag = m_scroll;
    for (Axis axis : {Axis::Horizontal, Axis::Vertical}) {
        const bool horizontal = axis == Axis::Horizontal;
        if (!TrackRect(axis).contains(at))
            continue;
        const QRect thumb = ThumbRect(axis);
        if (thumb.contains(at)) {
            m_drag = horizontal ? Drag::HorizontalThumb : Drag::VerticalThumb;
            m_thumbAtDrag = horizontal ? thumb.x() - TrackRect(axis).x() : thumb.y() - TrackRect(axis).y();
            return;
        }
        // A press on the track beside the thumb pages towards the press.
        const int page = horizontal ? width() : height();
        const bool before = horizontal ? at.x() < thumb.x() : at.y() < thumb.y();
        const int step = before ? -page : page;
        ScrollTo(horizontal ? PixelPoint{m_scroll.x + step, m_scroll.y} : PixelPoint{m_scroll.x, m_scroll.y + step});
        return;
    }
    const PixelSize scaled = ScaledSize();
    if (scaled.width > width() || scaled.height > height()) {
        m_drag = Drag::Pan;
        setCursor(Qt::ClosedHandCursor);
    }
}

void CImageViewerControl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint moved = event->position().toPoint() - m_dragOrigin;
    const PixelSize scaled = ScaledSize();
    switch (m_drag) {
    case Drag::None:
        return;
    case Drag::Pan:
        ScrollTo({m_scrollAtDrag.x - moved.x(), m_scrollAtDrag.y - moved.y()});
        return;
    case Drag::HorizontalThumb:
        ScrollTo({ScrollBarGeometry::ScrollForThumb(m_thumbAtDrag + moved.x(), TrackRect(Axis::Horizontal).width(),
                                                    scaled.width, width()),
                  m_scroll.y});
        return;
    case Drag::VerticalThumb:
        ScrollTo({m_scroll.x, ScrollBarGeometry::ScrollForThumb(m_thumbAtDrag + moved.y(),
                                                                TrackRect(Axis::Vertical).height(), scaled.height,
                                                                height())});
        return;
    }
}

void CImageViewerControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_drag == Drag::None)
        return;
    m_drag = Drag::None;
    Refresh();  // restores the open hand
}

void CImageViewerControl::wheelEvent(QWheelEvent* event)
{
    const QPoint notches = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        if (notches.y() > 0)
            ZoomIn();
        else if (notches.y() < 0)
            ZoomOut();
        return;
    }
    const bool sideways = (event->modifiers() & Qt::ShiftModifier) || notches.x() != 0;
    const int delta = (sideways && notches.x() != 0 ? notches.x() : notches.y()) * kWheelStep / 120;
    ScrollTo(sideways ? PixelPoint{m_scroll.x - delta, m_scroll.y} : PixelPoint{m_scroll.x, m_scroll.y - delta});
}

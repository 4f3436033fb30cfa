#include "viewer/ImageViewerControl.h"

#include <QPainter>

CImageViewerControl::CImageViewerControl(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

std::unique_ptr<CImageViewer> CreateImageViewer(QWidget* parent)
{
    return std::make_unique<CImageViewerControl>(parent);
}

void CImageViewerControl::SetFileName(const QString&) { }
void CImageViewerControl::SetViewMode(int16_t) { }
void CImageViewerControl::SetOpenOption(int32_t) { }
int16_t CImageViewerControl::ShowPage(const QString&, int16_t) { return 0; }
int16_t CImageViewerControl::GetPageCount() { return 0; }
int16_t CImageViewerControl::SaveAs(const QString&, const QString&, int16_t, int16_t) { return 0; }
void CImageViewerControl::ZoomIn() { }
void CImageViewerControl::ZoomOut() { }
bool CImageViewerControl::SplitTiff(const QString&, int16_t, const QString&, const QString&) { return false; }
void CImageViewerControl::SetBrowseFolder(const QString&) { }

void CImageViewerControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
}

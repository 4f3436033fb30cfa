#pragma once

#include "viewer/ImageViewer.h"

#include <QWidget>

// The image viewer control: the view area that the dialog places on its
// skin. Opening and showing files arrives with the imaging engines; until
// then no file opens and every operation reports failure.
class CImageViewerControl final : public QWidget, public CImageViewer {
    Q_OBJECT
public:
    explicit CImageViewerControl(QWidget* parent);

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

protected:
    void paintEvent(QPaintEvent* event) override;
};

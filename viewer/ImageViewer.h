#pragma once

#include <QString>
#include <cstdint>
#include <memory>

class QWidget;

// The image viewer control as the main dialog drives it. The dialog holds
// this interface, never the control itself, so its tests can put a recording
// stand-in in the control's place. Integer widths follow the control's
// contract: 16-bit page numbers, sizes and results, a 32-bit open option.
class CImageViewer {
public:
    virtual ~CImageViewer() = default;

    // The widget that the dialog places on the skin's viewer rectangle.
    virtual QWidget* Widget() = 0;

    // Opens the file and shows its first page. A name without folder is
    // taken from the folder that SetBrowseFolder last gave.
    virtual void SetFileName(const QString& file) = 0;
    // 1..7: 25, 33, 50, 75, 100, 150, 200 %; 10: fit the page into the view.
    virtual void SetViewMode(int16_t mode) = 0;
    virtual void SetOpenOption(int32_t option) = 0;
    // Shows page `page` (1-based) of `file`; 1 when shown, 0 otherwise.
    virtual int16_t ShowPage(const QString& file, int16_t page) = 0;
    // Pages of the file shown; 0 when none.
    virtual int16_t GetPageCount() = 0;
    // Writes the document as `format` sized `width` x `height`; 1 when saved.
    virtual int16_t SaveAs(const QString& file, const QString& format, int16_t width, int16_t height) = 0;
    virtual void ZoomIn() = 0;
    virtual void ZoomOut() = 0;
    // Pages 1..page go to `first`, the rest to `second`.
    virtual bool SplitTiff(const QString& source, int16_t page, const QString& first, const QString& second) = 0;

    // The folder in which the last file dialog chose its file.
    virtual void SetBrowseFolder(const QString& folder) = 0;
};

// The real control, a child widget of `parent`.
std::unique_ptr<CImageViewer> CreateImageViewer(QWidget* parent);

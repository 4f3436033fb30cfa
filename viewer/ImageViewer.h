#pragma once

#include <QString>
#include <cstdint>
#include <memory>

class QWidget;

// The image viewer control as the main dialog drives it. The dialog holds
// this interface, never the control itself, so its tests can put a recording
// stand-in in the control's place. Integer widths follow the control's
// contract: 16-bit page numbers, sizes and results, a 32-bit open option.
// Pages are 1-based. A name without folder is taken from the folder that
// SetBrowseFolder last gave (the current folder before any), for every
// member that takes a file.
class CImageViewer {
public:
    virtual ~CImageViewer() = default;

    // The widget that the dialog places on the skin's viewer rectangle.
    virtual QWidget* Widget() = 0;

    // Opens the file and shows its first page, in the view mode in effect.
    // A file that cannot be opened leaves the view empty with a short text
    // naming the file and the reason, and no pages; an empty name closes.
    virtual void SetFileName(const QString& file) = 0;
    // 1..7: 25, 33, 50, 75, 100, 150, 200 %; 10: fit the whole page into
    // the view, keeping its aspect, pages smaller than the view at 100 %.
    // Other values change nothing. The point under the view's centre stays
    // where it is; a page smaller than the view is centred, a larger one
    // scrolls (mouse drag, wheel, the view's own scroll bars).
    virtual void SetViewMode(int16_t mode) = 0;
    // 1 opens normally; other values are kept and change nothing.
    virtual void SetOpenOption(int32_t option) = 0;
    // Shows page `page` of `file`, opening the file first when it is not the
    // one shown or has changed on disk. 1 when shown; 0 when the page is
    // outside 1..count (nothing changes, except that a changed file shown
    // is taken anew) or the file or page cannot be read.
    virtual int16_t ShowPage(const QString& file, int16_t page) = 0;
    // Pages of the file shown, counted once when it opens; 0 when none.
    virtual int16_t GetPageCount() = 0;
    // Writes the document in `format` (Bmp, JPG, TIF, PDF, WBMP, GIF, PCX,
    // TGA, ICO, JP2, JPC, RAS, PGX, PNM, PNG in any letter case, or JPEG,
    // TIFF, J2K). TIF, PDF and GIF get every page, the others the page
    // shown. `width` and `height` both positive give exactly that size; one
    // of them not positive is taken from the other keeping the aspect;
    // neither keeps each page's size; icons are fitted within 256 x 256.
    // The file is replaced only once complete: a failed save leaves any
    // existing file as it was. 1 when saved, 0 otherwise.
    virtual int16_t SaveAs(const QString& file, const QString& format, int16_t width, int16_t height) = 0;
    // One step of 10, 25, 33, 50, 75, 100, 150, 200, 300, 400, 800 % up or
    // down from the zoom in effect (fit included); nothing past the ends.
    virtual void ZoomIn() = 0;
    virtual void ZoomOut() = 0;
    // Pages 1..page of the TIFF `source` go to `first`, the rest to
    // `second`, copied without re-encoding and numbered anew in each. True
    // only when the source is a TIFF and 1 <= page < its page count and the
    // outputs are two different files; otherwise nothing is written.
    virtual bool SplitTiff(const QString& source, int16_t page, const QString& first, const QString& second) = 0;

    // The folder in which the last file dialog chose its file.
    virtual void SetBrowseFolder(const QString& folder) = 0;
};

// The real control, a child widget of `parent`. The returned owner deletes
// the widget; it must be destroyed before `parent` is (a member of the
// parent widget's class is).
std::unique_ptr<CImageViewer> CreateImageViewer(QWidget* parent);

#pragma once

#include "viewer/ImageViewer.h"

#include <QWidget>
#include <string>
#include <vector>

// Stands in for the image viewer control: records every call as a line of
// text and answers with the values the test sets.
class RecordingViewer final : public CImageViewer {
public:
    explicit RecordingViewer(QWidget* parent)
        : m_widget(new QWidget(parent))
    {
    }

    QWidget* Widget() override { return m_widget; }
    void SetFileName(const QString& file) override { Record("FileName " + file); }
    void SetViewMode(int16_t mode) override { Record(QString("ViewMode %1").arg(mode)); }
    void SetOpenOption(int32_t option) override { Record(QString("OpenOption %1").arg(option)); }
    int16_t ShowPage(const QString& file, int16_t page) override
    {
        Record(QString("ShowPage %1 %2").arg(file).arg(page));
        return 1;
    }
    int16_t GetPageCount() override
    {
        Record("GetPageCount");
        return pageCount;
    }
    int16_t SaveAs(const QString& file, const QString& format, int16_t width, int16_t height) override
    {
        Record(QString("SaveAs %1 %2 %3 %4").arg(file, format).arg(width).arg(height));
        return saveResult;
    }
    void ZoomIn() override { Record("ZoomIn"); }
    void ZoomOut() override { Record("ZoomOut"); }
    bool SplitTiff(const QString& source, int16_t page, const QString& first, const QString& second) override
    {
        Record(QString("SplitTiff %1 %2 %3 %4").arg(source).arg(page).arg(first, second));
        return splitResult;
    }
    void SetBrowseFolder(const QString& folder) override { Record("BrowseFolder " + folder); }

    std::vector<std::string> calls;
    int16_t pageCount = 0;
    int16_t saveResult = 1;
    bool splitResult = true;

private:
    void Record(const QString& call) { calls.push_back(call.toStdString()); }

    QWidget* m_widget; // owned by its parent, the dialog
};

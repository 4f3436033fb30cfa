#pragma once

#include "skin/SkinDialog.h"
#include "viewer/ImageViewer.h"

#include <QIcon>
#include <functional>
#include <memory>
#include <string>

// The main window: a skinned dialog around the image viewer control.
class CViewerDlg : public CSkinDialog {
    Q_OBJECT
public:
    using ViewerFactory = std::function<std::unique_ptr<CImageViewer>(QWidget* parent)>;

    // `makeViewer` builds the viewer control; tests give a stand-in.
    explicit CViewerDlg(QWidget* parent = nullptr, ViewerFactory makeViewer = CreateImageViewer);

    // Loads the default skin, then places the viewer control on it.
    bool OnInitDialog() override;

protected:
    std::unique_ptr<CImageViewer> m_viewer;
    std::string m_strImagePath;
    int m_nCurrentPage = 1;
    QIcon m_hIcon;
};

#include "app/ViewerDlg.h"

#include "app/SkinFiles.h"
#include "res/AppIcon.h"

#include <QCoreApplication>
#include <filesystem>
#include <system_error>

namespace {

// The default skin, as the build lays it out beside the executable.
constexpr const char* kDefaultSkin = "skins/Purple/Skin.ini";

std::string CurrentFolder()
{
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

} // namespace

CViewerDlg::CViewerDlg(QWidget* parent, ViewerFactory makeViewer)
    : CSkinDialog(parent)
    , m_viewer(makeViewer(this))
    , m_hIcon(LoadAppIcon())
{
    setWindowTitle(QCoreApplication::applicationName());
}

bool CViewerDlg::OnInitDialog()
{
    const std::string startFolder = CurrentFolder();
    const auto folders = SkinSearchFolders(startFolder, QCoreApplication::applicationDirPath().toStdString());
    SetIniPath(FindSkinFile(folders, kDefaultSkin));
    g_strSkinFolder = GetPathFolder(m_strIniPath);
    LoadSkin();

    CSkinDialog::OnInitDialog();
    setWindowIcon(m_hIcon);

    // A skin without a viewer rectangle gives the viewer the whole window.
    QWidget* viewer = m_viewer->Widget();
    viewer->setGeometry(m_rcViewer.isNull() ? rect() : m_rcViewer);
    viewer->raise();
    viewer->show();

    m_nCurrentPage = 1;
    return true;
}

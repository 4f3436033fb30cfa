#include "app/ViewerDlg.h"

#include "app/SkinFiles.h"
#include "res/AppIcon.h"

#include <QCoreApplication>
#include <filesystem>
#include <system_error>

namespace {

// The default skin package, which the build puts beside the executable.
constexpr const char* kDefaultPackage = "Purple.skn";

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
    std::string package = FindSkinFile(folders, kDefaultPackage);
    if (package.empty())
        package = startFolder + "/" + kDefaultPackage; // and the user is told that it cannot be opened

    // The package is unpacked into a folder of our own, loaded, and the
    // folder removed again: once loaded, the skin lives in memory.
    const std::string workFolder = NewWorkFolder();
    ExtractPackage(package, workFolder);
    SetIniPath(workFolder.empty() ? std::string() : workFolder + "/Skin.ini");
    g_strSkinFolder = GetPathFolder(m_strIniPath);
    LoadSkin();
    RemoveFolder(workFolder);

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

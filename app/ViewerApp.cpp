#include "app/ViewerApp.h"

#include "app/ViewerDlg.h"
#include "res/AppIcon.h"

CViewerApp::CViewerApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setWindowIcon(LoadAppIcon());
}

bool CViewerApp::InitInstance()
{
    CViewerDlg dialog;
    dialog.DoModal();
    return false;
}

#include "app/ViewerApp.h"

#include <cstring>

namespace {

// A shaped window that places itself on the screen needs X11 (XWayland on a
// Wayland desktop): Wayland gives clients neither global positions nor
// window-manager moves of frameless windows. A platform that the user chose
// is kept.
void PreferX11(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsSet("DISPLAY"))
        return;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strncmp(argv[i], "-platform=", 10) == 0)
            return;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char** argv)
{
    PreferX11(argc, argv);
    CViewerApp app(argc, argv);
    app.InitInstance();
    return 0;
}

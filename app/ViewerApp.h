#pragma once

#include <QApplication>

// The application: runs the main window modally and ends with it.
class CViewerApp : public QApplication {
    Q_OBJECT
public:
    CViewerApp(int& argc, char** argv);

    // Runs the main dialog; false, since there is nothing to do after it.
    bool InitInstance();
};

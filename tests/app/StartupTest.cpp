// The real skinview process on a real X server: it shows its shaped window
// and ends when the window manager asks the window to close.

#include "tests/support/XTestInput.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// The shown window below `under` whose _NET_WM_PID is `pid`, or 0. A window
// manager puts the client's window inside a frame of its own, so the search
// goes down the whole tree; the hidden helper windows of the process are
// passed over.
Window FindWindowOf(Display* display, Window under, Atom pidAtom, qint64 pid)
{
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char* data = nullptr;
    bool matches = false;
    if (XGetWindowProperty(display, under, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after, &data) == Success
        && data && items == 1)
        matches = *reinterpret_cast<unsigned long*>(data) == static_cast<unsigned long>(pid);
    if (data)
        XFree(data);
    XWindowAttributes attributes;
    matches = matches && XGetWindowAttributes(display, under, &attributes) && attributes.map_state == IsViewable;
    if (matches)
        return under;

    Window root, parent, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, under, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i)
            found = FindWindowOf(display, children[i], pidAtom, pid);
    }
    if (children)
        XFree(children);
    return found;
}

TEST(Startup, ShowsTheShapedSkinAndEndsOnTheCloseRequest)
{
    QProcess viewer;
    viewer.setProgram(QCoreApplication::applicationDirPath() + "/skinview");
    viewer.setProcessChannelMode(QProcess::ForwardedChannels);
    viewer.start();
    ASSERT_TRUE(viewer.waitForStarted());

    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    Window window = 0;
    for (int i = 0; i < 100 && !window; ++i) {
        QTest::qWait(100);
        window = FindWindowOf(display, DefaultRootWindow(display), XInternAtom(display, "_NET_WM_PID", False), viewer.processId());
    }
    ASSERT_NE(window, 0u) << "skinview showed no window";
    QTest::qWait(300);

    XWindowAttributes attributes;
    ASSERT_TRUE(XGetWindowAttributes(display, window, &attributes));
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    const QImage shown = QGuiApplication::primaryScreen()->grabWindow(0, x, y, attributes.width, attributes.height).toImage();
    const QImage desktop = QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 1, 1).toImage();
    // The rounded corner is cut out: the screen shows the desktop there.
    EXPECT_EQ(shown.pixel(0, 0), desktop.pixel(0, 0));
    EXPECT_NE(shown.pixel(attributes.width / 2, 10), desktop.pixel(0, 0));

    XTestInput input;
    input.RequestClose(window);
    // The event loop of the request may already have seen the end.
    EXPECT_TRUE(viewer.state() == QProcess::NotRunning || viewer.waitForFinished(10000));
    EXPECT_EQ(viewer.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(viewer.exitCode(), 0);
    XCloseDisplay(display);
}

} // namespace

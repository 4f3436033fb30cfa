#include "tests/support/XTestInput.h"

#include <QTest>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

XTestInput::XTestInput()
    : m_display(XOpenDisplay(nullptr))
{
    int event, error, major, minor;
    if (m_display && !XTestQueryExtension(m_display, &event, &error, &major, &minor)) {
        XCloseDisplay(m_display);
        m_display = nullptr;
    }
}

XTestInput::~XTestInput()
{
    if (m_display)
        XCloseDisplay(m_display);
}

void XTestInput::Settle()
{
    XSync(m_display, False);
    SettleX11();
}

void XTestInput::MoveTo(QPoint globalPos)
{
    XTestFakeMotionEvent(m_display, -1, globalPos.x(), globalPos.y(), CurrentTime);
    Settle();
}

void XTestInput::Press()
{
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    Settle();
}

void XTestInput::Release()
{
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    Settle();
}

void XTestInput::Drag(QPoint from, QPoint to)
{
    MoveTo(from);
    Press();
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i)
        MoveTo(from + (to - from) * i / kSteps);
    Release();
}

void XTestInput::Key(unsigned long keysym)
{
    const KeyCode code = XKeysymToKeycode(m_display, keysym);
    XTestFakeKeyEvent(m_display, code, True, CurrentTime);
    XTestFakeKeyEvent(m_display, code, False, CurrentTime);
    Settle();
}

void XTestInput::RequestClose(unsigned long window)
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, window, False, NoEventMask, &event);
    Settle();
}

void SettleX11()
{
    // Events travel from the server to Qt asynchronously; a short wait with
    // the event loop running lets them all arrive.
    for (int i = 0; i < 3; ++i)
        QTest::qWait(15);
}

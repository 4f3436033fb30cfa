#pragma once

#include <QPoint>

// Real input through the X server's XTEST extension, so that the window
// system (and its window manager, if any) sees what a user's mouse and
// keyboard would do. Each call waits for Qt to take in the resulting events.
class XTestInput {
public:
    XTestInput();
    ~XTestInput();
    XTestInput(const XTestInput&) = delete;
    XTestInput& operator=(const XTestInput&) = delete;

    bool IsAvailable() const { return m_display != nullptr; }

    void MoveTo(QPoint globalPos);
    void Press();
    void Release();
    // Press at `from`, move in steps to `to`, release there.
    void Drag(QPoint from, QPoint to);
    // Presses and releases the key of an X keysym (XK_Escape, XK_Return...).
    void Key(unsigned long keysym);
    // Asks `window` to close as a window manager does (WM_DELETE_WINDOW).
    void RequestClose(unsigned long window);

private:
    void Settle();

    struct _XDisplay* m_display = nullptr;
};

// Waits until the X server has processed all that this process sent it and
// Qt has taken in the replies.
void SettleX11();

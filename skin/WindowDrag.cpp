#include "skin/WindowDrag.h"

#include <QWidget>
#include <QWindow>

void CWindowDrag::Press(QWidget& window, QPoint globalPos)
{
    QWindow* handle = window.windowHandle();
    if (handle && handle->startSystemMove()) {
        m_mode = Mode::System;
        return;
    }
    m_mode = Mode::Own;
    m_offset = globalPos - window.frameGeometry().topLeft();
}

bool CWindowDrag::Move(QWidget& window, QPoint globalPos) const
{
    if (m_mode != Mode::Own)
        return false;
    window.move(globalPos - m_offset);
    return true;
}

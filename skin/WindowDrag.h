#pragma once

#include <QPoint>

class QWidget;

// Moves a window while the mouse is dragged from a press on its background.
// Where the window system offers it, the move is its own (the window manager
// moves the window as it would by its title bar); otherwise, as on an X
// server without window manager, the window follows the pointer itself.
class CWindowDrag {
public:
    enum class Mode { None, System, Own };

    void Press(QWidget& window, QPoint globalPos);
    // Moves the window when the drag is ours; false when there is none.
    bool Move(QWidget& window, QPoint globalPos) const;
    void Release() { m_mode = Mode::None; }

    Mode CurrentMode() const { return m_mode; }

private:
    Mode m_mode = Mode::None;
    QPoint m_offset;
};

#pragma once

// Shows the busy cursor over the application while it lives, for work that
// takes longer than a moment and runs before the event loop regains control.
class CBusyCursor {
public:
    // Nothing is shown when `slow` is false, or without a GUI application.
    explicit CBusyCursor(bool slow);
    ~CBusyCursor();
    CBusyCursor(const CBusyCursor&) = delete;
    CBusyCursor& operator=(const CBusyCursor&) = delete;

private:
    bool m_shown = false;
};

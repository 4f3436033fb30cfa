#pragma once

#include "skin/UserDialogs.h"

class QWidget;

// The user dialogs as Qt's message boxes, over `parent`.
class CQtUserDialogs final : public CUserDialogs {
public:
    explicit CQtUserDialogs(QWidget* parent)
        : m_parent(parent)
    {
    }

    Answer MessageBox(std::string_view text, Buttons buttons, Icon icon) override;

private:
    QWidget* m_parent;
};

#pragma once

#include "skin/SkinList.h"

#include <QWidget>

// A text over the skin. Labels let the mouse through, so a press on one
// moves the window like a press on the bare background.
class CLabel : public QWidget, public CSkinIdentity {
public:
    explicit CLabel(QWidget* parent = nullptr)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
};

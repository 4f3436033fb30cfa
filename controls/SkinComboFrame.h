#pragma once

#include "skin/SkinList.h"

#include <QWidget>

// A combo box: frame, drop-down button, edit part and list.
class CSkinComboFrame : public QWidget, public CSkinIdentity {
public:
    using QWidget::QWidget;
};

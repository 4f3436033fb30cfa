#pragma once

#include "skin/SkinList.h"

#include <QWidget>

// A list of numbered rows with a skinned scroll bar.
class CSkinListBox : public QWidget, public CSkinIdentity {
public:
    using QWidget::QWidget;
};

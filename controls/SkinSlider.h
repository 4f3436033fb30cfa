#pragma once

#include "skin/SkinList.h"

#include <QWidget>

// A slider drawn from its channel and thumb bitmaps.
class CSkinSlider : public QWidget, public CSkinIdentity {
public:
    using QWidget::QWidget;
};

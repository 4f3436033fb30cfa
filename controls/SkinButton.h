#pragma once

#include "skin/SkinList.h"

#include <QWidget>

// A push button drawn from the skin, reporting its index when released over it.
class CSkinButton : public QWidget, public CSkinIdentity {
public:
    using QWidget::QWidget;
};

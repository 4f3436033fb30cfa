#pragma once

#include "controls/SkinButton.h"

// A button of the option group: a click checks it and unchecks the others.
class CSkinOptionButton : public CSkinButton {
public:
    using CSkinButton::CSkinButton;

    bool m_bChecked = false;
};

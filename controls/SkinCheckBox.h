#pragma once

#include "controls/SkinButton.h"

// A button that a click checks or unchecks.
class CSkinCheckBox : public CSkinButton {
public:
    using CSkinButton::CSkinButton;

    bool m_bChecked = false;
};

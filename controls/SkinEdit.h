#pragma once

#include "skin/SkinList.h"

#include <QLineEdit>

// A one-line edit box in the colours of the skin.
class CSkinEdit : public QLineEdit, public CSkinIdentity {
public:
    using QLineEdit::QLineEdit;
};

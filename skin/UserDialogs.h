#pragma once

#include <string_view>

// The modal questions and messages that the skinned windows put to the user.
// The windows ask through this interface, so that tests can answer in the
// user's place.
class CUserDialogs {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { Warning, Stop };
    enum class Answer { Ok, Yes, No };

    virtual ~CUserDialogs() = default;

    // A message box titled with the application's name.
    virtual Answer MessageBox(std::string_view text, Buttons buttons, Icon icon) = 0;
};

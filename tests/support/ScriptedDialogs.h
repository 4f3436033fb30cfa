#pragma once

#include "skin/UserDialogs.h"

#include <deque>
#include <string>
#include <vector>

// Answers the dialogs' questions in the user's place, from a script, and
// records every message box that was shown. A question the script has no
// answer for fails the test and is answered No.
class ScriptedDialogs final : public CUserDialogs {
public:
    struct Shown {
        std::string text;
        Buttons buttons;
        Icon icon;
    };

    explicit ScriptedDialogs(std::deque<Answer> answers = {}, std::vector<Shown>* record = nullptr)
        : m_answers(std::move(answers))
        , m_record(record)
    {
    }

    Answer MessageBox(std::string_view text, Buttons buttons, Icon icon) override;

private:
    std::deque<Answer> m_answers;
    std::vector<Shown>* m_record;
};

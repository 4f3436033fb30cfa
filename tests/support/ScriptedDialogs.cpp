#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

CUserDialogs::Answer ScriptedDialogs::MessageBox(std::string_view text, Buttons buttons, Icon icon)
{
    if (m_record)
        m_record->push_back({ std::string(text), buttons, icon });
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return Answer::No;
    }
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

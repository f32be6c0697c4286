// A message prompt for tests: records every message shown and answers OK/Cancel questions
// from a script (OK when the script is empty).
#pragma once

#include "model/IMessagePrompt.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class RecordingPrompt : public IMessagePrompt {
public:
    struct Shown {
        std::string text;
        Buttons buttons;
        bool exclamation;
    };

    int Show(const std::string& text, Buttons buttons, bool exclamation) override
    {
        m_shown.push_back({text, buttons, exclamation});
        if (m_onShow)
            m_onShow();
        if (buttons == BTN_OK || m_answers.empty())
            return IDOK;
        int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    void AnswerNext(int answer) { m_answers.push_back(answer); }
    const std::vector<Shown>& Messages() const { return m_shown; }
    void Clear() { m_shown.clear(); }
    // Called while each message is shown, for a test that looks at the screen behind it.
    std::function<void()> m_onShow;

private:
    std::vector<Shown> m_shown;
    std::deque<int> m_answers;
};

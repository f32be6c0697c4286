// The prompt of a set-up an import types into: every question is answered OK, as the text says
// what was chosen, and what the set-up said is kept for the import's report.
#pragma once

#include "model/IMessagePrompt.h"

#include <string>
#include <vector>

class CImportPrompt : public IMessagePrompt {
public:
    int Show(const std::string& text, Buttons, bool) override
    {
        m_said.push_back(text);
        return IDOK;
    }
    // Windows-1252, in the order said.
    const std::vector<std::string>& GetSaid() const { return m_said; }

private:
    std::vector<std::string> m_said;
};

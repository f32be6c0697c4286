// Message boxes and questions of the setup types, printed one per line.
#include "cli/CCliPrompt.h"

#include "model/Cp1252.h"

#include <ostream>

int CCliPrompt::Show(const std::string& text, Buttons buttons, bool)
{
    if (buttons == BTN_OK) {
        m_out << "message: " << OneLine(text) << '\n';
        return IDOK;
    }
    m_out << "question: " << OneLine(text) << " -> " << (m_answerOk ? "OK" : "Cancel") << '\n';
    return m_answerOk ? IDOK : IDCANCEL;
}

std::string CCliPrompt::OneLine(const std::string& text)
{
    std::string line;
    bool inBreak = false;
    for (char c : text) {
        if (c == '\n' || c == '\r') {
            inBreak = true;
            continue;
        }
        if (inBreak && !line.empty() && line.back() != ' ')
            line += ' ';
        inBreak = false;
        line += c;
    }
    return q4::Cp1252ToUtf8(line);
}

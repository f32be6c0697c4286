// The message prompt of the command-line companion: every message box becomes one line,
// "message: TEXT", and every OK/Cancel question "question: TEXT -> OK" (or "-> Cancel"),
// answered OK only when the user said so on the command line.
#pragma once

#include "model/IMessagePrompt.h"

#include <iosfwd>
#include <string>

class CCliPrompt : public IMessagePrompt {
public:
    CCliPrompt(std::ostream& out, bool answerOk) : m_out(out), m_answerOk(answerOk) {}

    int Show(const std::string& text, Buttons buttons, bool exclamation) override;

    // A Windows-1252 message as one UTF-8 line: each run of line breaks becomes one blank.
    static std::string OneLine(const std::string& text);

private:
    std::ostream& m_out;
    bool m_answerOk;
};

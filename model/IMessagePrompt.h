// What the core asks of a person: a message with OK, or OK and Cancel. The desktop program,
// the command-line companion and the tests each answer it their own way.
#pragma once

#include <string>

class IMessagePrompt {
public:
    // BTN_YES_NO asks with No as the answer Enter gives; Yes is IDOK, No IDCANCEL.
    enum Buttons { BTN_OK, BTN_OK_CANCEL, BTN_YES_NO };
    enum Result { IDOK = 1, IDCANCEL = 2 };

    virtual ~IMessagePrompt() = default;
    // text is Windows-1252; returns IDOK or IDCANCEL.
    virtual int Show(const std::string& text, Buttons buttons, bool exclamation) = 0;
};

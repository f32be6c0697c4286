// What the core asks of a person: a message with OK, or OK and Cancel. The desktop program,
// the command-line companion and the tests each answer it their own way.
#pragma once

#include <string>

class IMessagePrompt {
public:
    enum Buttons { BTN_OK, BTN_OK_CANCEL };
    enum Result { IDOK = 1, IDCANCEL = 2 };

    virtual ~IMessagePrompt() = default;
    // text is Windows-1252; returns IDOK or IDCANCEL.
    virtual int Show(const std::string& text, Buttons buttons, bool exclamation) = 0;
};

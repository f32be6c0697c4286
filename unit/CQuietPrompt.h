// The prompt of a set-up nobody watches (a scratch set-up, a replay): messages pass unseen and
// every question is answered Cancel.
#pragma once

#include "model/IMessagePrompt.h"

class CQuietPrompt : public IMessagePrompt {
public:
    int Show(const std::string&, Buttons buttons, bool) override { return buttons == BTN_OK ? IDOK : IDCANCEL; }
};

// What the COM setup asks of a person: the port to use, then its line settings. The desktop
// program shows dialogs; scripts and tests answer directly.
#pragma once

#include "link/CLineSettings.h"

#include <string>

class IComSetupUi {
public:
    virtual ~IComSetupUi() = default;
    // The "COM Port Setup" dialog, opened on the name passed in; a typed name is used as typed.
    // False on Cancel.
    virtual bool ChoosePortName(std::string& name) = 0;
    // The port settings dialog for the chosen port, opened on its current settings. False on
    // Cancel.
    virtual bool EditLineSettings(const std::string& port, CLineSettings& settings) = 0;
};

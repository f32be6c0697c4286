// "new FILE": writes the default set-up.
#pragma once

#include "cli/ICliCommand.h"

class CNewCommand : public ICliCommand {
public:
    const char* GetName() const override { return "new"; }
    const char* GetUsage() const override { return "new FILE"; }
    const char* GetHelp() const override { return "Writes a document holding the default set-up."; }
    int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) override;
};

// "identify --port PORT [--plant PLANT]": which unit is on the line, by its device number and,
// with a plant, which of the plant's units it is.
#pragma once

#include "cli/ICliCommand.h"

#include <string>

class CIdentifyCommand : public ICliCommand {
public:
    CIdentifyCommand();

    const char* GetName() const override { return "identify"; }
    const char* GetUsage() const override { return m_usage.c_str(); }
    const char* GetHelp() const override;
    int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) override;

private:
    std::string m_usage;
};

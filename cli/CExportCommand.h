// "export FILE [--format json|csv] [-o OUT]": the whole set-up as text for spreadsheets and
// version control, the JSON of show --json or CSV sections (CSetupCsv).
#pragma once

#include "cli/ICliCommand.h"

class CQ4kUnit;

class CExportCommand : public ICliCommand {
public:
    const char* GetName() const override { return "export"; }
    const char* GetUsage() const override { return "export FILE [--format json|csv] [-o OUT]"; }
    const char* GetHelp() const override;
    int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) override;

    static void Write(const CQ4kUnit& unit, bool csv, std::ostream& out);
};

// "import TEXT -o FILE": a set-up built from text as export writes it, every cell typed into
// the default set-up through the grids' checks (CSetupImport), and the cells that refused.
#pragma once

#include "cli/ICliCommand.h"
#include "compare/CSetupTyping.h"

class CQ4kUnit;

class CImportCommand : public ICliCommand {
public:
    const char* GetName() const override { return "import"; }
    const char* GetUsage() const override { return "import TEXT -o FILE"; }
    const char* GetHelp() const override;
    int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) override;

    // The cell texts of JSON (text starting with '{') or CSV, for unit's sheets; throws
    // CCliError naming the line of a fault (CSetupImport::ReadTexts for the command line).
    static std::vector<CellText> ReadTexts(const std::string& text, const CQ4kUnit& unit);
    // "alarm 5 4: refused 62012 Invalid value. Last value will be used.", or "...: taken as TEXT"
    // for a cell that took its text but changed it.
    static std::string Describe(const TypingRefusal& refusal);
    // The titles of unit's sheets in the slots sheets ("Logical Input, Alarm"), or "".
    static std::string SheetsLeftOut(const CQ4kUnit& unit, const std::vector<int>& sheets);
};

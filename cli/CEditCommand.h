// "edit FILE [--yes] [-o OUT]": applies the edits read from standard input (CEditScript) as
// if typed into the grids, prints one result line per edit and saves the set-up.
#pragma once

#include "cli/ICliCommand.h"

#include <string>

class CNordaSetupType;
struct EditLine;

class CEditCommand : public ICliCommand {
public:
    const char* GetName() const override { return "edit"; }
    const char* GetUsage() const override { return "edit FILE [--yes] [-o OUT]"; }
    const char* GetHelp() const override;
    int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) override;

    // A pop-up cell's text as a string of initials, as a paste sets the cell's properties:
    // each character switches on the next property whose name starts with it and switches
    // off the ones it skips; the properties after the last match keep their state.
    static void ApplyInitials(CNordaSetupType& type, int row, int col, const std::string& initials);

private:
    static void Apply(CNordaSetupType& type, const EditLine& edit, std::ostream& out);
};

// "diff A B": every cell and alarm flag cell whose text differs between two documents in what
// the unit would hold; --all lists the texts that only spell the same another way too.
#pragma once

#include "cli/ICliCommand.h"
#include "compare/CellDifference.h"

#include <iosfwd>
#include <vector>

class CDiffCommand : public ICliCommand {
public:
    const char* GetName() const override { return "diff"; }
    const char* GetUsage() const override { return "diff A B [--all]"; }
    const char* GetHelp() const override;
    int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out) override;

    // One line a difference: "SHEET ROW COL: TEXT-A -> TEXT-B", "alarm-flag ROW I: ..." for a
    // flag, and " (REASON)" after it where the difference gives one.
    static void Print(const std::vector<CellDifference>& differences, std::ostream& out);
};

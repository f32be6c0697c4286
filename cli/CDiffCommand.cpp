// Comparing the cell texts of two documents.
#include "cli/CDiffCommand.h"

#include "cli/CCliArgs.h"
#include "cli/CCliSession.h"
#include "codec/SetupText.h"
#include "compare/CSetupComparison.h"

#include <iostream>

const char* CDiffCommand::GetHelp() const
{
    return "Prints every cell whose text differs between the documents A and B, hidden rows\n"
           "included, as \"SHEET ROW COL: TEXT-A -> TEXT-B\"; an alarm's flag cell i of grid row R\n"
           "as \"alarm-flag R I: ...\". Two texts the unit holds alike are no difference: the same\n"
           "number written another way (\" 0\" and \"0\", \"0.300\" and \"0.3\"), an LCD text with\n"
           "blanks after it. A text the unit cannot hold as it reads (\"12x\", a delay of 2.55 s)\n"
           "differs from any other. --all lists every text that differs at all.\n"
           "Exit status 0 when none differs, 1 when some do, 2 on error.";
}

void CDiffCommand::Print(const std::vector<CellDifference>& differences, std::ostream& out)
{
    for (const CellDifference& d : differences) {
        out << (d.flag ? "alarm-flag" : q4::SheetName(d.sheet)) << ' ' << d.row << ' ' << d.col << ": "
            << q4::EscapeText(d.textA) << " -> " << q4::EscapeText(d.textB);
        if (!d.reason.empty())
            out << " (" << q4::EscapeText(d.reason) << ')';
        out << '\n';
    }
}

int CDiffCommand::Run(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    CCliArgs parsed(args, {"--all"}, {});
    parsed.ExpectPositional(2, GetUsage());
    CCliSession first(std::cerr, false);
    CCliSession second(std::cerr, false);
    first.Load(parsed.Positional()[0]);
    second.Load(parsed.Positional()[1]);
    std::vector<CellDifference> differences = CSetupComparison::Compare(first.GetUnit(), second.GetUnit(), parsed.Has("--all"));
    Print(differences, out);
    return differences.empty() ? 0 : 1;
}

// Printing a set-up as text tables or as JSON.
#include "cli/CShowCommand.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "cli/CCliSession.h"
#include "cli/CDiffCommand.h"
#include "cli/CTextTable.h"
#include "codec/CSetupJson.h"
#include "codec/SetupText.h"
#include "compare/CSetupComparison.h"
#include "model/Cp1252.h"

#include <iostream>

const char* CShowCommand::GetHelp() const
{
    return "Prints each sheet (or only sheet S) as a table of the rows its grid shows, header row\n"
           "first; control bytes show as \\xHH and a backslash as \\\\, as the edit command reads\n"
           "them. With --json prints the whole set-up, hidden rows and every cell's presentation\n"
           "included, as one JSON object. Cells whose text the unit cannot hold as written are\n"
           "named on standard error as upload names them.";
}

int CShowCommand::Run(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    CCliArgs parsed(args, {"--json"}, {"--sheet"});
    parsed.ExpectPositional(1, GetUsage());
    int onlySheet = CCliSession::SheetOption(parsed);

    // Messages raised while loading must not mix with the set-up on standard output.
    CCliSession session(std::cerr, false);
    session.Load(parsed.Positional()[0]);
    NameCellsNotHeld(session.GetUnit(), parsed.Positional()[0], std::cerr);
    if (onlySheet >= 0 && !session.GetSheetType(onlySheet))
        throw CCliError(std::string("the set-up has no ") + q4::SheetName(onlySheet) + " sheet");

    if (parsed.Has("--json")) {
        CSetupJson::Write(session.GetUnit(), onlySheet, out);
        return 0;
    }
    bool first = true;
    for (int sheet = 0; sheet < 4; ++sheet) {
        CNordaSetupType* type = session.GetSheetType(sheet);
        if (!type || (onlySheet >= 0 && sheet != onlySheet))
            continue;
        if (!first)
            out << '\n';
        first = false;
        out << q4::Cp1252ToUtf8(type->m_strTitle) << '\n';
        PrintTable(*type, out);
    }
    return 0;
}

size_t CShowCommand::NameCellsNotHeld(const CQ4kUnit& unit, const std::string& path, std::ostream& err)
{
    std::vector<CellDifference> cells = CSetupComparison::NotHeldExactly(unit);
    if (cells.empty())
        return 0;
    err << "q4150cli: the unit cannot hold " << cells.size() << (cells.size() == 1 ? " cell" : " cells") << " of "
        << path << " as written; it will hold:\n";
    CDiffCommand::Print(cells, err);
    return cells.size();
}

void CShowCommand::PrintTable(CNordaSetupType& type, std::ostream& out)
{
    CDataSheet* sheet = type.GetSheet();
    int columns = sheet->GetNumCells(0);
    CTextTable table;
    for (int row = 0; row < type.GetNumChannels() && row < sheet->GetNumSections(); ++row) {
        std::vector<std::string> texts;
        for (int col = 0; col < columns; ++col)
            texts.push_back(q4::EscapeText(type.GetCellText(row, col)));
        table.AddRow(std::move(texts));
    }
    table.Print(out);
}

// Comparing the cell texts of two documents.
#include "cli/CDiffCommand.h"

#include "cli/CAlarmFlags.h"
#include "cli/CCliArgs.h"
#include "cli/CCliSession.h"

#include <iostream>

const char* CDiffCommand::GetHelp() const
{
    return "Prints every cell whose text differs between the documents A and B, hidden rows\n"
           "included, as \"SHEET ROW COL: TEXT-A -> TEXT-B\"; an alarm's flag cell i of grid row R\n"
           "as \"alarm-flag R I: ...\". Exit status 0 when none differs, 1 when some do, 2 on error.";
}

CDiffCommand::Texts CDiffCommand::ReadTexts(CCliSession& session)
{
    Texts texts;
    for (int s = 0; s < 4; ++s) {
        CNordaSetupType* type = session.GetSheetType(s);
        if (!type)
            continue;
        CDataSheet* sheet = type->GetSheet();
        for (int row = 0; row < sheet->GetNumSections(); ++row) {
            for (int col = 0; col < sheet->GetNumCells(row); ++col)
                texts[{s, CCliSession::GetSheetName(s), row, col}] = type->GetCellText(row, col);
        }
    }
    CQ4kUnit& unit = session.GetUnit();
    for (int k = 0; k < CAlarmFlags::GetChannelCount(unit); ++k) {
        for (int i = 0; i < CAlarmFlags::FLAGS_PER_CHANNEL; ++i) {
            CNdChnData* cell = CAlarmFlags::GetCell(unit, k, i);
            texts[{4, "alarm-flag", k + 1, i}] = cell ? cell->GetDataAsString() : std::string();
        }
    }
    return texts;
}

int CDiffCommand::Run(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    CCliArgs parsed(args, {}, {});
    parsed.ExpectPositional(2, GetUsage());
    CCliSession first(std::cerr, false);
    CCliSession second(std::cerr, false);
    first.Load(parsed.Positional()[0]);
    second.Load(parsed.Positional()[1]);
    Texts a = ReadTexts(first);
    Texts b = ReadTexts(second);

    // A cell only one of the set-ups has reads as empty in the other.
    for (const auto& [key, text] : b)
        a.emplace(key, std::string());
    int differences = 0;
    for (const auto& [key, textA] : a) {
        auto it = b.find(key);
        std::string textB = it == b.end() ? std::string() : it->second;
        if (textA == textB)
            continue;
        ++differences;
        out << std::get<1>(key) << ' ' << std::get<2>(key) << ' ' << std::get<3>(key) << ": "
            << CCliSession::DisplayText(textA) << " -> " << CCliSession::DisplayText(textB) << '\n';
    }
    return differences ? 1 : 0;
}

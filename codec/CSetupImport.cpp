// Reading a set-up's text and typing it into a set-up.
#include "codec/CSetupImport.h"

#include "codec/CSetupCsv.h"
#include "codec/CSetupJson.h"
#include "codec/SetupText.h"
#include "compare/CSetupComparison.h"
#include "unit/CQ4kUnit.h"

#include <algorithm>

q4::Result<std::vector<CellText>> CSetupImport::ReadTexts(const std::string& text, const CQ4kUnit& unit)
{
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first != std::string::npos && text[first] == '{')
        return CSetupJson::Read(text, unit);
    return CSetupCsv::Read(text, unit);
}

q4::Result<ImportReport> CSetupImport::Import(const std::string& text, CQ4kUnit& unit)
{
    q4::Result<std::vector<CellText>> texts = ReadTexts(text, unit);
    if (!texts)
        return q4::Failure{texts.Reason()};
    // Without a cell the text would only give the defaults.
    if (texts->empty())
        return q4::Failure{"the text holds no cells"};
    ImportReport report;
    for (int sheet = 0; sheet < 4; ++sheet) {
        if (q4::SheetType(unit, sheet)
            && std::none_of(texts->begin(), texts->end(), [sheet](const CellText& t) { return t.sheet == sheet; }))
            report.sheetsLeftOut.push_back(sheet);
    }
    report.refusals = CSetupTyping::Type(unit, std::move(texts.Value()));
    return report;
}

std::vector<CellDifference> CSetupImport::NameCells(const CQ4kUnit& unit, const ImportReport& report)
{
    std::vector<CellDifference> cells;
    for (const TypingRefusal& refusal : report.refusals) {
        const CellText& cell = refusal.cell;
        cells.push_back(CSetupComparison::Name(unit, cell.sheet, cell.row, cell.col, cell.flag, cell.text, refusal.kept));
        if (refusal.errorId)
            cells.back().reason = refusal.message;
    }
    std::stable_sort(cells.begin(), cells.end(), CellOrder);
    return cells;
}

std::string CSetupImport::CellName(const CellText& cell)
{
    return std::string(cell.flag ? "alarm-flag" : q4::SheetName(cell.sheet)) + " " + std::to_string(cell.row) + " "
           + std::to_string(cell.col);
}

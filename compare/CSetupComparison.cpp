// Cell by cell comparison of two set-ups, and the cells a unit cannot hold as they read.
#include "compare/CSetupComparison.h"

#include "compare/CSetupTyping.h"
#include "setup/alarms/CAlarm.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"
#include "unit/CUnitImage.h"
#include "unit/CellSweep.h"

#include <set>

namespace {

std::string TextOf(const CNdChnData* cell)
{
    return cell ? cell->GetDataAsString() : std::string();
}

// What the unit holds for a text; a missing sheet holds its text as it is.
CellHolding HoldingOf(const CNordaSetupType* type, const std::string& text, int row, int col, bool flag)
{
    if (flag)
        return CAlarm::HoldFlag(text);
    return type ? type->GetHolding(row, col, text) : CellHolding{text, true};
}

}  // namespace

CNdChnData* CSetupComparison::GetFlagCell(const CQ4kUnit& unit, int row, int i)
{
    return ::GetFlagCell(unit, row, i);
}

int CSetupComparison::CountFlagRows(const CQ4kUnit& unit)
{
    return ::CountFlagRows(unit);
}

CellDifference CSetupComparison::Name(const CQ4kUnit& named, int sheet, int row, int col, bool flag,
                                      std::string textA, std::string textB)
{
    const CNordaSetupType* type = named.GetSetupType(sheet);
    CellDifference difference{sheet, row, col, flag, {}, {}, {}, std::move(textA), std::move(textB)};
    if (!type)
        return difference;
    difference.sheetTitle = type->m_strTitle;
    difference.channel = type->GetCellText(row, 0);
    if (!flag)
        difference.column = type->GetCellText(0, col);
    else if (const CNdChnData* cell = GetFlagCell(named, row, col))
        difference.column = cell->GetName();
    return difference;
}

bool CSetupComparison::SameInUnit(const CNordaSetupType* typeA, const std::string& textA,
                                  const CNordaSetupType* typeB, const std::string& textB, int row, int col, bool flag)
{
    if (textA == textB)
        return true;
    CellHolding a = HoldingOf(typeA, textA, row, col, flag);
    CellHolding b = HoldingOf(typeB, textB, row, col, flag);
    return a.exact && b.exact && a.held == b.held;
}

std::vector<CellDifference> CSetupComparison::Compare(const CQ4kUnit& a, const CQ4kUnit& b, bool spellingToo)
{
    std::vector<CellDifference> differences;
    SweepCells(a, b, [&](const SweptCell& cell) {
        std::string textA = TextOf(cell.a);
        std::string textB = TextOf(cell.b);
        if (textA == textB)
            return;
        if (!spellingToo
            && SameInUnit(a.GetSetupType(cell.sheet), textA, b.GetSetupType(cell.sheet), textB, cell.row, cell.col,
                          cell.flag))
            return;
        const CQ4kUnit& named = (cell.flag ? CountFlagRows(a) : cell.a != nullptr) ? a : b;
        differences.push_back(Name(named, cell.sheet, cell.row, cell.col, cell.flag, std::move(textA), std::move(textB)));
    });
    return differences;
}

std::vector<CellDifference> CSetupComparison::SettingsOnly(const CQ4kUnit& named, std::vector<CellDifference> differences)
{
    std::set<std::pair<int, int>> flagRows;
    for (const CellDifference& d : differences) {
        if (d.flag)
            flagRows.insert({d.sheet, d.row});
    }
    std::erase_if(differences, [&](const CellDifference& d) {
        const CNordaSetupType* type = named.GetSetupType(d.sheet);
        if (d.flag || !type)
            return false;
        const CNdChnData* cell = type->GetProperty(d.row, d.col);
        // The pop-up cell of a row stands for its flags.
        if (cell && cell->m_nStyle == CTRL_POPUP)
            return flagRows.count({d.sheet, d.row}) > 0;
        return !CSetupTyping::TakesTypedText(*type, d.row, d.col);
    });
    return differences;
}

std::vector<CellDifference> CSetupComparison::NotHeldExactly(const CQ4kUnit& unit)
{
    std::vector<CellDifference> cells;
    SweepCells(unit, unit, [&](const SweptCell& cell) {
        if (cell.row < 1 || (!cell.flag && cell.col < 1))
            return;
        const std::string& text = cell.a->GetDataAsString();
        CellHolding holding = HoldingOf(unit.GetSetupType(cell.sheet), text, cell.row, cell.col, cell.flag);
        if (!holding.exact)
            cells.push_back(Name(unit, cell.sheet, cell.row, cell.col, cell.flag, text, std::move(holding.held)));
    });
    // A text whose own encoding is exact may still not come back: a choice that is none of the
    // cell's, a selection or reference the sheets refuse. What a download of the set-up's upload
    // shows tells, for every cell a person sets.
    CQuietPrompt quiet;
    CQ4kUnit copy(quiet);
    copy.Initialize();
    copy.CopyFrom(unit);
    CQ4kUnit back(quiet);
    back.Initialize();
    CUnitImage::FromUpload(copy, nullptr).TakeApartInto(back);
    std::vector<CellDifference> lost;
    SweepCells(unit, back, [&](const SweptCell& cell) {
        const CNordaSetupType* type = unit.GetSetupType(cell.sheet);
        if (!cell.a || !cell.b || cell.row < 1 || !type
            || (!cell.flag && !CSetupTyping::TakesTypedText(*type, cell.row, cell.col)))
            return;
        const std::string& text = cell.a->GetDataAsString();
        const std::string& shown = cell.b->GetDataAsString();
        if (!SameInUnit(type, text, back.GetSetupType(cell.sheet), shown, cell.row, cell.col, cell.flag))
            lost.push_back(Name(unit, cell.sheet, cell.row, cell.col, cell.flag, text, shown));
    });
    MergeCells(cells, std::move(lost));
    return cells;
}

// Cell by cell comparison of two set-ups.
#include "compare/CSetupComparison.h"

#include "setup/alarms/CAlarm.h"
#include "unit/CQ4kUnit.h"

#include <algorithm>

namespace {

std::string TextOf(const CNordaSetupType* type, int row, int col)
{
    return type ? type->GetCellText(row, col) : std::string();
}

int CountRows(const CNordaSetupType* type)
{
    return type && type->GetSheet() ? type->GetSheet()->GetNumSections() : 0;
}

int CountCells(const CNordaSetupType* type, int row)
{
    return type && type->GetSheet() && row < type->GetSheet()->GetNumSections() ? type->GetSheet()->GetNumCells(row) : 0;
}

const CAlarm* GetAlarms(const CQ4kUnit& unit)
{
    const auto* alarms = dynamic_cast<const CAlarm*>(unit.GetSetupType(ST_ALARM));
    return alarms && alarms->GetSheet() ? alarms : nullptr;
}

std::string FlagText(const CQ4kUnit& unit, int row, int i)
{
    const CNdChnData* cell = CSetupComparison::GetFlagCell(unit, row, i);
    return cell ? cell->GetDataAsString() : std::string();
}

}  // namespace

CNdChnData* CSetupComparison::GetFlagCell(const CQ4kUnit& unit, int row, int i)
{
    const CAlarm* alarms = GetAlarms(unit);
    return alarms ? alarms->GetFlagCell(row - 1, i) : nullptr;
}

int CSetupComparison::CountFlagRows(const CQ4kUnit& unit)
{
    return GetAlarms(unit) ? CAlarm::ALARM_CHANNELS : 0;
}

std::vector<CellDifference> CSetupComparison::Compare(const CQ4kUnit& a, const CQ4kUnit& b)
{
    std::vector<CellDifference> differences;
    for (int slot = 0; slot < 4; ++slot) {
        const CNordaSetupType* typeA = a.GetSetupType(slot);
        const CNordaSetupType* typeB = b.GetSetupType(slot);
        const CNordaSetupType* named = CountRows(typeA) ? typeA : typeB;
        int rows = std::max(CountRows(typeA), CountRows(typeB));
        for (int row = 0; row < rows; ++row) {
            int cells = std::max(CountCells(typeA, row), CountCells(typeB, row));
            for (int col = 0; col < cells; ++col) {
                std::string textA = TextOf(typeA, row, col);
                std::string textB = TextOf(typeB, row, col);
                if (textA != textB)
                    differences.push_back({slot, row, col, false, named->m_strTitle, TextOf(named, row, 0),
                                           TextOf(named, 0, col), std::move(textA), std::move(textB)});
            }
        }
    }
    const CQ4kUnit& named = CountFlagRows(a) ? a : b;
    int flagRows = std::max(CountFlagRows(a), CountFlagRows(b));
    for (int row = 1; row <= flagRows; ++row) {
        for (int i = 0; i < CAlarm::ALARM_FLAGS; ++i) {
            std::string textA = FlagText(a, row, i);
            std::string textB = FlagText(b, row, i);
            if (textA == textB)
                continue;
            const CNordaSetupType* alarms = named.GetSetupType(ST_ALARM);
            const CNdChnData* cell = GetFlagCell(named, row, i);
            differences.push_back({ST_ALARM, row, i, true, alarms->m_strTitle, alarms->GetCellText(row, 0),
                                   cell ? cell->GetName() : std::string(), std::move(textA), std::move(textB)});
        }
    }
    return differences;
}

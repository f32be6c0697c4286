// Walking the cells of two set-ups.
#include "unit/CellSweep.h"

#include "setup/alarms/CAlarm.h"
#include "unit/CQ4kUnit.h"

#include <algorithm>

namespace {

const CDataSheet* SheetOf(const CQ4kUnit& unit, int slot)
{
    const CNordaSetupType* type = unit.GetSetupType(slot);
    return type ? type->GetSheet() : nullptr;
}

const CAlarm* GetAlarms(const CQ4kUnit& unit)
{
    const auto* alarms = dynamic_cast<const CAlarm*>(unit.GetSetupType(ST_ALARM));
    return alarms && alarms->GetSheet() ? alarms : nullptr;
}

}  // namespace

CNdChnData* GetFlagCell(const CQ4kUnit& unit, int row, int i)
{
    const CAlarm* alarms = GetAlarms(unit);
    return alarms ? alarms->GetFlagCell(row - 1, i) : nullptr;
}

int CountFlagRows(const CQ4kUnit& unit)
{
    return GetAlarms(unit) ? CAlarm::ALARM_CHANNELS : 0;
}

std::string CellTextOf(const CQ4kUnit& unit, int sheet, int row, int col, bool flag)
{
    const CNdChnData* cell = nullptr;
    if (flag)
        cell = GetFlagCell(unit, row, col);
    else if (const CNordaSetupType* type = unit.GetSetupType(sheet))
        cell = type->GetProperty(row, col);
    return cell ? cell->GetDataAsString() : std::string();
}

void SweepCells(const CQ4kUnit& a, const CQ4kUnit& b, const std::function<void(const SweptCell&)>& visit)
{
    SweptCell cell;
    for (int slot = 0; slot < 4; ++slot) {
        const CDataSheet* sheetA = SheetOf(a, slot);
        const CDataSheet* sheetB = SheetOf(b, slot);
        int rowsA = sheetA ? sheetA->GetNumSections() : 0;
        int rowsB = sheetB ? sheetB->GetNumSections() : 0;
        cell.sheet = slot;
        for (int row = 0; row < std::max(rowsA, rowsB); ++row) {
            int cellsA = sheetA ? sheetA->GetNumCells(row) : 0;
            int cellsB = sheetB ? sheetB->GetNumCells(row) : 0;
            cell.row = row;
            for (int col = 0; col < std::max(cellsA, cellsB); ++col) {
                cell.col = col;
                cell.a = sheetA ? sheetA->GetProperty(row, col) : nullptr;
                cell.b = sheetB ? sheetB->GetProperty(row, col) : nullptr;
                visit(cell);
            }
        }
    }
    cell.sheet = ST_ALARM;
    cell.flag = true;
    for (int row = 1; row <= std::max(CountFlagRows(a), CountFlagRows(b)); ++row) {
        cell.row = row;
        for (int i = 0; i < CAlarm::ALARM_FLAGS; ++i) {
            cell.col = i;
            cell.a = GetFlagCell(a, row, i);
            cell.b = GetFlagCell(b, row, i);
            visit(cell);
        }
    }
}

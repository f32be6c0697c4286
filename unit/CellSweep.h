// The one walk over every cell of two set-ups side by side, the alarm channels' flag cells after
// the sheets: the undo history, the comparisons and the checks of what the unit holds share it.
#pragma once

#include <functional>
#include <string>

class CNdChnData;
class CNordaSetupType;
class CQ4kUnit;

struct SweptCell {
    int sheet = 0;      // setup type slot
    int row = 0;        // the grid's row, 0 being the header
    int col = 0;        // the grid's column; for a flag cell the flag's number (0 to 2)
    bool flag = false;  // one of an alarm channel's flag cells, kept beside the sheet
    const CNdChnData* a = nullptr;  // the cell of each side; null where that side has none
    const CNdChnData* b = nullptr;
};

// Visits every cell either unit has, sheet by sheet in row and column order, then the flag
// cells channel by channel. The units may be one and the same.
void SweepCells(const CQ4kUnit& a, const CQ4kUnit& b, const std::function<void(const SweptCell&)>& visit);

// Flag cell i (0 to 2) of the alarm channel in grid row row, or null.
CNdChnData* GetFlagCell(const CQ4kUnit& unit, int row, int i);
// Number of alarm channels with flag cells: 48, or 0 while the unit has no alarm sheet.
int CountFlagRows(const CQ4kUnit& unit);
// The text of a cell (a flag cell's with flag), or an empty text where the unit has no such cell.
std::string CellTextOf(const CQ4kUnit& unit, int sheet, int row, int col, bool flag);

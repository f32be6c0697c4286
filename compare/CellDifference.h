// One cell whose text differs between two set-ups, named as the grids name it.
#pragma once

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

struct CellDifference {
    int sheet = 0;      // setup type slot: 0 General, 1 physical, 2 logical, 3 alarms
    int row = 0;        // the grid's row, row 0 being the header row
    int col = 0;        // the grid's column; for a flag cell the flag's number (0 to 2)
    bool flag = false;  // one of an alarm channel's flag cells, kept beside the sheet
    // Windows-1252: the sheet's title, the row's name ("5 (A15)", "IN 13"), the column's
    // heading (a flag's name for a flag cell) and the texts of the two sides.
    std::string sheetTitle;
    std::string channel;
    std::string column;
    std::string textA;
    std::string textB;
    // Why the cell is named, where the two texts do not say it; empty for most. English,
    // Windows-1252: a text of the string table.
    std::string reason = {};
};

// The order of the sheets' cells: sheet by sheet in row and column order, a sheet's flag cells
// after its other cells.
inline bool CellOrder(const CellDifference& x, const CellDifference& y)
{
    return std::tie(x.sheet, x.flag, x.row, x.col) < std::tie(y.sheet, y.flag, y.row, y.col);
}

// Adds the cells of more that cells (in cell order) does not name yet, each in its place.
inline void MergeCells(std::vector<CellDifference>& cells, std::vector<CellDifference> more)
{
    for (CellDifference& cell : more) {
        auto at = std::lower_bound(cells.begin(), cells.end(), cell, CellOrder);
        if (at == cells.end() || CellOrder(cell, *at))
            cells.insert(at, std::move(cell));
    }
}

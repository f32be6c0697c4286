// One cell whose text differs between two set-ups, named as the grids name it.
#pragma once

#include <string>

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

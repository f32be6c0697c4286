// Two set-ups side by side: every cell whose text differs, hidden rows and the alarm channels'
// flag cells included.
#pragma once

#include "compare/CellDifference.h"

#include <vector>

class CNdChnData;
class CQ4kUnit;

class CSetupComparison {
public:
    // The cells of a whose texts differ from b's, sheet by sheet in row and column order, the
    // flag cells last; a cell only one side has reads as empty on the other.
    static std::vector<CellDifference> Compare(const CQ4kUnit& a, const CQ4kUnit& b);
    // Flag cell i (0 to 2) of the alarm channel in grid row row, or null.
    static CNdChnData* GetFlagCell(const CQ4kUnit& unit, int row, int i);
    // Number of alarm channels with flag cells: 48, or 0 while the unit has no alarm sheet.
    static int CountFlagRows(const CQ4kUnit& unit);
};

// What the unit holds against what a downloaded set-up shows: the cells whose value a download
// could not show as the unit holds it, and those it shows as held though the sheets would
// refuse them as typed.
#pragma once

#include "compare/CellDifference.h"

#include <vector>

class CQ4kUnit;
class CUnitImage;

class CHeldCells {
public:
    // unit: the set-up the blocks held were taken apart into; held: the blocks as the unit sent
    // them. Each cell once, in the sheets' order, a sheet's flag cells after its other cells:
    // a value the cell does not show as held with the unit's value as text A ("code 89" for a
    // code the program does not know) and the cell's text as text B; a value shown as held that
    // the sheets refuse as typed (a set point beyond its input's display range) with the cell's
    // text on both sides. The reason is given where the texts do not say it all. An upload of
    // the set-up writes the bytes held wherever no cell is named.
    static std::vector<CellDifference> NotShownAsHeld(CQ4kUnit& unit, const CUnitImage& held);
};

// Two set-ups side by side: every cell whose text differs, hidden rows and the alarm channels'
// flag cells included; and the cells of one set-up whose text the unit cannot hold exactly.
#pragma once

#include "compare/CellDifference.h"

#include <string>
#include <vector>

class CNdChnData;
class CNordaSetupType;
class CQ4kUnit;

class CSetupComparison {
public:
    // The cells of a whose texts differ from b's, sheet by sheet in row and column order, the
    // flag cells last; a cell only one side has reads as empty on the other. Two texts the
    // unit holds alike (" 0" and "0" for a hysteresis, "0.300" and "0.3" for a delay, an LCD
    // text with trailing blanks) are no difference unless spellingToo.
    static std::vector<CellDifference> Compare(const CQ4kUnit& a, const CQ4kUnit& b, bool spellingToo = false);
    // True when two texts of a cell put the same bytes into the unit and each is held exactly,
    // each text read by its own set-up's setup type (null: a side without that sheet).
    static bool SameInUnit(const CNordaSetupType* typeA, const std::string& textA, const CNordaSetupType* typeB,
                           const std::string& textB, int row, int col, bool flag);
    // Of differences Compare found, the settings a person makes, each once: without the cells
    // nobody types (an alarm's or logical input's copies of its input's settings, which the
    // input's own cells list) and without a row's Flags where the flags it sums up are listed one
    // by one. named: the set-up the differences were named from.
    static std::vector<CellDifference> SettingsOnly(const CQ4kUnit& named, std::vector<CellDifference> differences);
    // The cells whose text the unit cannot hold exactly (a text that is no number, more
    // decimals than the unit keeps, a value it clips, a flag neither ON nor OFF, a text with a
    // zero byte), and the cells a person sets whose text a download of the set-up's upload
    // would not give back (a choice that is none of the cell's, a selection or reference the
    // sheets refuse): the cell's text as text A, what the unit would hold, as a download shows
    // it, as text B. The one question an upload asks, and what verify and a set-up check ask.
    static std::vector<CellDifference> NotHeldExactly(const CQ4kUnit& unit);
    // Flag cell i (0 to 2) of the alarm channel in grid row row, or null.
    static CNdChnData* GetFlagCell(const CQ4kUnit& unit, int row, int i);
    // Number of alarm channels with flag cells: 48, or 0 while the unit has no alarm sheet.
    static int CountFlagRows(const CQ4kUnit& unit);
    // A difference named as the grids name it; the names are taken from named's sheets.
    static CellDifference Name(const CQ4kUnit& named, int sheet, int row, int col, bool flag, std::string textA,
                               std::string textB);
};

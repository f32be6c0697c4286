// A set-up with every sheet in use, for the measurements: all 24 physical inputs set up, the
// logical inputs on them, and 48 alarms with set points, texts, delays and flags.
#pragma once

#include "compare/CSetupTyping.h"
#include "unit/CQ4kUnit.h"

#include <string>
#include <vector>

inline std::vector<CellText> FullSetupTexts(const CQ4kUnit& unit)
{
    std::vector<CellText> texts = {{0, 3, 1, false, "12"}, {0, 14, 1, false, "2.5"}};
    const CNordaSetupType& physical = *unit.GetSetupType(ST_PHYSICAL);
    for (int row = 1; row <= 24; ++row) {
        const char* parms[] = {"20 mA", "bar", "2", "0", "10", "250", "1"};
        for (int col = 1; col <= 7; ++col)
            texts.push_back({ST_PHYSICAL, row, col, false, parms[col - 1]});
    }
    for (int row = 1; row <= 7; ++row)
        texts.push_back({ST_LOGICAL, row, 1, false, physical.GetCellText(row, 0)});
    for (int row = 1; row <= 48; ++row) {
        const std::string input = physical.GetCellText((row - 1) % 24 + 1, 0);
        const std::string parms[] = {input, "OFF", row % 2 ? "<" : ">", std::to_string(row * 5),
                                     "ALARM " + std::to_string(row), "2.5", std::to_string(row % 7 + 1), "OFF"};
        for (int col = 1; col <= 8; ++col)
            texts.push_back({ST_ALARM, row, col, false, parms[col - 1]});
        texts.push_back({ST_ALARM, row, 1, true, "ON"});
    }
    return texts;
}

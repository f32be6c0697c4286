// A set-up built from the text export writes (JSON or CSV): every cell's text typed into a
// set-up through the grids' checks, and the report the front ends show of what did not take.
#pragma once

#include "compare/CSetupTyping.h"
#include "compare/CellDifference.h"
#include "model/Result.h"

#include <string>
#include <vector>

class CQ4kUnit;

struct ImportReport {
    // The cells that do not hold their text in the end: refused by a rule of the set-up (its
    // error number and message), or taken but changed (error number 0, the text kept).
    std::vector<TypingRefusal> refusals;
    // The slots of the sheets of which the text holds no cell: they keep their defaults.
    std::vector<int> sheetsLeftOut;
};

class CSetupImport {
public:
    // The cell texts of JSON (text starting with '{') or CSV, for unit's sheets; the failure
    // names the line of the fault.
    static q4::Result<std::vector<CellText>> ReadTexts(const std::string& text, const CQ4kUnit& unit);
    // Types every cell of the text into unit, which the caller gives at its defaults. Fails on
    // a malformed text or one without a single cell, and then unit stays as it was.
    static q4::Result<ImportReport> Import(const std::string& text, CQ4kUnit& unit);
    // A cell as the text forms name it: "alarm 5 4", a flag "alarm-flag 5 1".
    static std::string CellName(const CellText& cell);
    // The report's cells as the grids name them (from unit's sheets), in cell order: the text
    // given, the text the cell holds, and for a refusal its rule's message as the reason.
    static std::vector<CellDifference> NameCells(const CQ4kUnit& unit, const ImportReport& report);
};

// Texts typed into a set-up's cells through its setup types' own validation, as a person types
// them into the grids: General, physical inputs, logical inputs, alarms; each row's cells left
// to right, then its flags. A rule of a later cell may undo an earlier one (a new input type
// resets the row), so passes repeat over what still differs while they make progress.
#pragma once

#include <string>
#include <vector>

class CNordaSetupType;
class CQ4kUnit;

struct CellText {
    int sheet = 0;      // setup type slot
    int row = 0;        // grid row; 0 is the header and is never typed
    int col = 0;        // grid column, or the flag's number for a flag cell
    bool flag = false;  // an alarm channel's flag cell ("ON" or "OFF")
    std::string text;   // Windows-1252
};

struct TypingRefusal {
    CellText cell;
    int errorId = 0;      // the setup type's error number; 0 when the text was taken but changed
    std::string message;  // the error's message, Windows-1252
    std::string kept;     // the text the cell holds in the end
};

class CSetupTyping {
public:
    // Types every text whose cell does not hold it yet. Cells the grids do not let a person
    // type into (headers, names, fixed and pop-up cells) are passed over. Returns the cells
    // that do not hold their text in the end.
    static std::vector<TypingRefusal> Type(CQ4kUnit& unit, std::vector<CellText> texts);
    // Every cell text and flag of one sheet (slot 0 to 3) of the unit, or of all with -1: what
    // another set-up types to take that sheet over.
    static std::vector<CellText> TextsOf(const CQ4kUnit& unit, int sheet);
    // True for a cell the grids let a person type into or choose in.
    static bool TakesTypedText(const CNordaSetupType& type, int row, int col);

private:
    static std::string CurrentText(const CQ4kUnit& unit, const CellText& cell);
    // Types one text; on a refusal records its error in refusal and returns false.
    static bool TypeOne(CQ4kUnit& unit, const CellText& cell, TypingRefusal& refusal);
    // Turning the General Block off leaves the alarms' Flags cells naming the Block flags it
    // switched off. Such a Flags cell is typed the same way: the General Block on, the flag on,
    // the General Block off; then the General Block and the other Block flags as they were.
    static void TypeBlockSummaries(CQ4kUnit& unit, const std::vector<CellText>& texts);
};

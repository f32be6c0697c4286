// Texts typed into a set-up's cells through its setup types' own validation, as a person types
// them into the grids: General, physical inputs, logical inputs, alarms; each row's cells left
// to right, then its flags. A rule of a later cell may undo an earlier one (a new input type
// resets the row), so passes repeat over what still differs while they make progress.
#pragma once

#include <string>
#include <vector>

class CNdChnData;
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

// Whose spelling a cell keeps where its text and the one typed are held alike by the unit.
enum class Spelling {
    Given,  // the text's: a set-up typed from a text reads as the text
    Own,    // the set-up's: taking from another side brings no padding of the unit's
};

class CSetupTyping {
public:
    // Types every text whose cell does not hold it yet, each as a person gives it (a number
    // cell takes a number only), then restores what typing could not bring back where that is
    // safe (see Restore). Returns the cells that do not hold their text in the end: the
    // refusals of the set-up's rules.
    static std::vector<TypingRefusal> Type(CQ4kUnit& unit, std::vector<CellText> texts,
                                           Spelling spelling = Spelling::Given);
    // Every cell text and flag of one sheet (slot 0 to 3) of the unit, or of all with -1: what
    // another set-up types to take that sheet over.
    static std::vector<CellText> TextsOf(const CQ4kUnit& unit, int sheet);
    // True for a cell the grids let a person type into or choose in.
    static bool TakesTypedText(const CNordaSetupType& type, int row, int col);

private:
    static std::string CurrentText(const CQ4kUnit& unit, const CellText& cell);
    // True when the cell holds the text, or with Spelling::Own a text the unit holds alike.
    static bool Holds(const CQ4kUnit& unit, const CellText& cell, Spelling spelling);
    // Types one text; on a refusal records its error in refusal and returns false.
    static bool TypeOne(CQ4kUnit& unit, const CellText& cell, TypingRefusal& refusal);
    static CNdChnData* CellOf(const CQ4kUnit& unit, const CellText& cell);
    // What typing could not bring back. A cell nobody types (a copied parameter, a Flags
    // summary) takes its text as given: the text says what the set-up held. A typed cell takes
    // it only where it writes the number typing left there in another way and the unit's blocks
    // stay the same (a download's " 0" for a typed "0"). False when the cell keeps its own.
    static bool Restore(CQ4kUnit& unit, const CellText& cell);
};

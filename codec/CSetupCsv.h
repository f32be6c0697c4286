// The set-up as comma-separated text for spreadsheets and version control: a line [SHEET] per
// sheet, then every row of it (hidden rows included), each line starting with the grid row,
// row 0 being the header; last [alarm-flag], a line per alarm channel with its three flags
// below a line 0 naming them. Texts are UTF-8 with control bytes as \xHH and a backslash as
// \\ (as show and edit write them); fields are quoted as RFC 4180 has it.
#pragma once

#include "compare/CSetupTyping.h"
#include "model/Result.h"

#include <iosfwd>
#include <string>
#include <vector>

class CQ4kUnit;

class CSetupCsv {
public:
    static void Write(const CQ4kUnit& unit, std::ostream& out);
    // The texts of the cells below the header rows, for unit's sheets. Blank lines, lines of
    // empty fields and lines starting with # are passed over, so are empty fields beyond a
    // row's last column. The failure names the line of anything that is no such set-up.
    static q4::Result<std::vector<CellText>> Read(const std::string& text, const CQ4kUnit& unit);
    // A field as written: quoted, quotes doubled, when it holds a comma, a quote, CR or LF.
    static std::string Field(const std::string& utf8);

private:
    struct Record {
        int line = 0;  // where the record starts, from 1
        std::vector<std::string> fields;
    };
    // Read's work, and the steps below: they throw a fault naming what is wrong.
    static std::vector<CellText> ReadTexts(const std::string& text, const CQ4kUnit& unit);
    // The records of RFC 4180 text, line ends LF or CR LF.
    static std::vector<Record> Split(const std::string& text);
    // A [NAME] line's section: 0 to 3 for a sheet, 4 for the flags, or -1 for no such line.
    static int ParseSection(const Record& record);
    // Adds the texts of one row's line in section (the header row's are checked, not kept);
    // returns the row.
    static int ReadRow(const Record& record, const CQ4kUnit& unit, int section, std::vector<CellText>& texts);
};

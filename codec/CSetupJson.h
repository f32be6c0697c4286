// The set-up as one JSON object, as show --json prints it and export writes it: every sheet
// with all its rows (hidden ones included) and every cell's presentation, then the flag cells
// of the alarm channels. Read back, only the cells' texts count.
#pragma once

#include "compare/CSetupTyping.h"
#include "model/Result.h"

#include <iosfwd>
#include <string>
#include <vector>

class CJsonWriter;
class CNdChnData;
class CQ4kUnit;
struct JsonValue;

class CSetupJson {
public:
    // Every sheet, or only onlySheet (0 to 3) with the flag cells only for the alarms.
    static void Write(const CQ4kUnit& unit, int onlySheet, std::ostream& out);
    // The texts of the cells below the header rows, for unit's sheets; the failure names the
    // line and column of anything that is no such set-up.
    static q4::Result<std::vector<CellText>> Read(const std::string& json, const CQ4kUnit& unit);

private:
    // Read's work; throws CJsonError.
    static std::vector<CellText> ReadTexts(const std::string& json, const CQ4kUnit& unit);
    static void WriteCell(CJsonWriter& json, const CNdChnData* cell);
    // The text of a cell object (null: none), in Windows-1252.
    static bool ReadCell(const JsonValue& cell, std::string& text);
};

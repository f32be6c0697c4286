// What the set-up's text forms share (show, edit, export, import): the sheets' names and a cell
// text written as UTF-8 with its control bytes as \xHH.
#pragma once

#include "model/Result.h"

#include <string>

class CNordaSetupType;
class CQ4kUnit;

namespace q4 {

// "general", "physical", "logical" or "alarm" for the slots 0 to 3; "" for anything else.
const char* SheetName(int sheet);
// 0 to 3 for a sheet's name or number, -1 for anything else.
int ParseSheet(const std::string& name);
// The setup type of a sheet that exists and has its data sheet, or null.
CNordaSetupType* SheetType(const CQ4kUnit& unit, int sheet);
// A Windows-1252 cell text as UTF-8, control bytes as \xHH and the backslash as \\.
std::string EscapeText(const std::string& text);
// The other way: the escapes resolved, the UTF-8 turned into Windows-1252. Fails on a stray
// backslash and on text that is no UTF-8 or holds a character the code page lacks.
Result<std::string> UnescapeText(const std::string& text);

}  // namespace q4

// The manual's names for the places of the sheets: a sheet, and a column of it (on General, a
// row, since each of its rows is a setting of its own). The desktop program's F1 and the
// manual's builder both name sections by them.
#pragma once

#include <string>

class INordaSetupType;

// "general", "physical-input", "logical-input", "alarm": the sheet's title in lower case.
std::string SheetTopic(const INordaSetupType& type);
// The sheet's topic and the label of the column (General: of the row) in lower case, words
// joined by "-": "alarm-setpoint", "general-device-number". A label without a letter or digit
// ("<>\xB1") is named by its column: "alarm-column-3". The header column, and a cell that does
// not exist, give the sheet's topic.
std::string CellTopic(const INordaSetupType& type, int section, int cell);
// Letters and digits of text in lower case, each run of anything else one "-".
std::string TopicWords(const std::string& text);

// Every text of the core that a person reads, with the context in which the desktop program
// translates it: the string table, the sheets' titles, their headings and the names of the
// settings behind a pop-up cell. Channel names and cell values are the unit's and stay as they are.
#pragma once

#include <string>
#include <vector>

struct CoreText {
    std::string context;  // "Messages", "Hints", "Transfer", "Files", "Sheets" or "Headings"
    std::string text;     // as CoreTextKey gives it
};

inline constexpr char CONTEXT_SHEETS[] = "Sheets";
inline constexpr char CONTEXT_HEADINGS[] = "Headings";

// Each distinct (context, text) once, in the order of the table and the sheets.
std::vector<CoreText> CollectCoreTexts();
// The form in which a text is looked up: Windows-1252 as the core keeps it, without the
// carriage returns of the unit's line breaks and without the blanks that pad a heading.
std::string CoreTextKey(const std::string& text);

// What the manual says of each rule of the set-up checks: the rules' own table, and an example
// set-up typed through the sheets' rules with the finding the checks make of it, so that the
// manual's sections cannot drift from the program.
#pragma once

#include "check/Finding.h"

#include <string>
#include <vector>

// A cell as the sheets name it, in English and Windows-1252 (the guide writes each name in its own
// language): the sheet's title, the row's label and the column's heading, none on General, whose
// rows are its settings.
struct CheckPlace {
    std::string sheet;   // "Alarm"
    std::string row;     // "1 (A11)"
    std::string column;  // "SetPoint"
};

struct CheckFacts {
    std::string id;
    std::string severity;             // "error", "warning", "note"
    std::string pattern;              // the sentence, %1, %2, ... its parts; English, Windows-1252
    std::vector<std::string> parts;   // what %1, %2, ... stand for, English
    std::string reason;               // English, Windows-1252
    // The example's steps: the cell and the text typed into it (Windows-1252).
    std::vector<std::pair<CheckPlace, std::string>> example;
    CheckPlace place;                         // the cell of the example's finding
    std::vector<FindingPart> findingParts;    // what fills the pattern in the finding
    std::string finding;  // the finding's sentence in English; empty when the example gives none of the rule
};

// Every rule in the order of the rules' table.
std::vector<CheckFacts> CollectCheckFacts();

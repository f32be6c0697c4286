// What the manual says of each rule of the set-up checks: the rules' own table, and an example
// set-up typed through the sheets' rules with the finding the checks make of it, so that the
// manual's sections cannot drift from the program.
#pragma once

#include <string>
#include <vector>

struct CheckFacts {
    std::string id;
    std::string severity;             // "error", "warning", "note"
    std::string pattern;              // the sentence, %1, %2, ... its parts; Windows-1252
    std::vector<std::string> parts;   // what %1, %2, ... stand for
    std::string reason;               // Windows-1252
    // The example's steps as "Sheet, Row, Column: text" parts, Windows-1252: place and text.
    std::vector<std::pair<std::string, std::string>> example;
    std::string place;    // the cell of the example's finding, "Alarm, 1 (A11), SetPoint"
    std::string finding;  // the finding's sentence; empty when the example gives none of the rule
};

// Every rule in the order of the rules' table.
std::vector<CheckFacts> CollectCheckFacts();

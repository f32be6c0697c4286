// One finding of the set-up checks: the rule it breaks, the cell it concerns (and the others it
// names), and the parts that fill the rule's sentence; with the counts a list of them makes.
#pragma once

#include "check/CheckRules.h"

#include <string>
#include <vector>

// A cell of the grids: the setup type's slot (0 General to 3 alarms), the grid's row (0 being
// the header row) and column.
struct FindingCell {
    int sheet = 0;
    int row = 0;
    int col = 0;
    friend bool operator==(const FindingCell&, const FindingCell&) = default;
    friend auto operator<=>(const FindingCell&, const FindingCell&) = default;
};

// What fills a placeholder of a rule's sentence, by what it is, so that each front end can
// write it in its own language.
struct FindingPart {
    enum class Kind {
        Value,    // a name or text of the unit, a number: as it is ("IN 12", "100", "<")
        Alarm,    // an alarm channel by its row label ("3 (A13)"), written "Alarm 3 (A13)"
        Heading,  // a column's heading or a General setting ("Delay (s)", "Device Number")
        Sheet,    // a sheet's title ("General")
    };
    Kind kind = Kind::Value;
    std::string text;  // Windows-1252
};

struct Finding {
    std::string rule;  // the id of its rule in the rules' table
    Severity severity = Severity::Error;
    FindingCell cell;                  // where the grids show it
    std::vector<FindingCell> others;   // further cells it names (the alarm it repeats)
    FindingPart channel;               // the channel of its cell, as a person names it
    std::vector<FindingPart> parts;    // %1, %2, ... of the rule's sentence
    std::string text;                  // the sentence in English, Windows-1252
};

struct FindingCounts {
    int errors = 0;
    int warnings = 0;
    int notes = 0;
    int Total() const { return errors + warnings + notes; }
};

FindingCounts CountFindings(const std::vector<Finding>& findings);
// "2 errors, 1 warning" (no count of none), or "no findings".
std::string CountText(const FindingCounts& counts);
// A part in English: an alarm as "Alarm 3 (A13)", anything else as it is.
std::string PartText(const FindingPart& part);
// The rule's sentence with the parts written in English.
std::string FindingText(const CheckRule& rule, const std::vector<FindingPart>& parts);

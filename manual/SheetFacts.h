// What the program itself says about each column of the four sheets (on General, each row):
// its heading, the status bar's hint, its choices and default, whether it is read-only, the
// messages with which it refuses a text, and the cells of the set-up that change with it.
// Gathered from the setup types on an example set-up typed through their own rules, so that
// the manual cannot drift from the program.
#pragma once

#include <string>
#include <utility>
#include <vector>

class CQ4kUnit;

// One edit of the example set-up, as a person types it; texts are Windows-1252.
struct ExampleEdit {
    int sheet;
    int section;
    int cell;
    std::string text;
};

struct ColumnFacts {
    std::string topic;
    std::string label;               // the column's heading (General: the row's label)
    int cell = 0;                    // the column in the sheet (General: the row)
    std::string hint;                // the status bar's words on the example's first row
    std::vector<std::string> choices;
    bool choicesFollow = false;      // the list follows the other sheets (differs from the default's)
    bool typesNew = false;           // a text that is no choice is taken too
    int textLimit = -1;
    std::string defaultText;
    bool readOnly = false;
    // A cell standing for a group of settings: each setting's name and choices.
    std::vector<std::pair<std::string, std::vector<std::string>>> settings;
    std::vector<std::string> refusals;        // messages on the example's row in use
    std::vector<std::string> unusedRefusals;  // further messages on a row not in use
    // Where the set-up changes when this column takes a text: by sheet (its tab's position),
    // the columns (General: rows) as ColumnFacts::cell numbers them.
    std::vector<std::pair<int, std::vector<int>>> changes;
};

struct SheetFacts {
    std::string topic;
    std::string title;
    std::string rowLabel;                // the row the facts were read on ("IN 11"); General: none
    std::vector<std::string> rowLabels;  // every row's label by section, blanks trimmed
    std::vector<ColumnFacts> columns;
};

// The example set-up's edits, in the order they are typed.
const std::vector<ExampleEdit>& ExampleEdits();
// Types the example into unit (which starts from its defaults); false when a rule refused one.
bool TypeExample(CQ4kUnit& unit);
// The facts of the four sheets, in the order of their tabs and columns.
std::vector<SheetFacts> CollectSheetFacts();

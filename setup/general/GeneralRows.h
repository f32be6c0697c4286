// The rows of the General sheet: labels, data types, choices, defaults and device codes,
// and the map from the unit's constant numbers to those rows.
#pragma once

struct GeneralRow {
    const char* label;
    short dataType;
    int editable;
    const char* const* choices;  // null for a value row
    int choiceCount;
    int defaultChoice;           // for a value row: the default number
    const char* const* codes;    // device codes of the choices, null when none
};

constexpr int GEN_ROWS = 14;        // sections 1 to 14
constexpr int GEN_SECTIONS = 65;    // with the 50 reserved constants
constexpr int GEN_CONSTANTS = 64;
constexpr int GEN_BLOCKS = 8;       // 8 constants of 4 bytes to a block

// Row of section s (1 to 14).
const GeneralRow& GetGeneralRow(int section);
// Sheet section of constant c, or -1 for a reserved constant.
int GetConstantSection(int constant);
extern const char* const g_GenReservedNames[50];

// An edited set-up, typed into a unit the way a user fills the grids: General rows, physical
// channels with their units, two chained logical inputs, and alarms on both kinds of input.
#pragma once

#include "unit/CQ4kUnit.h"
#include "setup/alarms/CAlarm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct TypedCell { int type; int section; int cell; const char* text; };  // type: a SETUP_TYPE

// In the order a user has to type them: the General Block before the alarm flags, inputs
// before what refers to them.
inline const std::vector<TypedCell> kEdits = {
    {ST_GENERAL, 1, 1, "CONFIG"},    {ST_GENERAL, 3, 1, "17"},       {ST_GENERAL, 4, 1, "NORDA BUS"},
    {ST_GENERAL, 5, 1, "19200"},     {ST_GENERAL, 6, 1, "4800"},     {ST_GENERAL, 8, 1, "ON"},
    {ST_GENERAL, 11, 1, "+REF"},     {ST_GENERAL, 14, 1, "2.5"},
    // IN 11 and IN 12 alike, so that LOG1 can combine them.
    {ST_PHYSICAL, 1, 1, "10 V"},     {ST_PHYSICAL, 1, 2, "bar"},     {ST_PHYSICAL, 1, 5, "10"},
    {ST_PHYSICAL, 1, 6, "250"},      {ST_PHYSICAL, 2, 1, "10 V"},    {ST_PHYSICAL, 2, 2, "bar"},
    {ST_PHYSICAL, 2, 5, "10"},       {ST_PHYSICAL, 2, 6, "250"},
    {ST_PHYSICAL, 3, 1, "20 mA"},    {ST_PHYSICAL, 3, 2, "\xB0" "C"}, {ST_PHYSICAL, 3, 3, "4"},
    {ST_PHYSICAL, 3, 4, "-20.0"},    {ST_PHYSICAL, 3, 5, "20"},      {ST_PHYSICAL, 3, 6, "120.0"},
    {ST_PHYSICAL, 24, 1, "24 V"},    {ST_PHYSICAL, 24, 2, "psi"},      {ST_PHYSICAL, 24, 3, "2"},
    {ST_PHYSICAL, 24, 4, "-5.00"},   {ST_PHYSICAL, 24, 5, "24"},     {ST_PHYSICAL, 24, 6, "25.00"},
    {ST_PHYSICAL, 24, 7, "1"},
    {ST_LOGICAL, 1, 1, "IN 11"},     {ST_LOGICAL, 1, 2, "IN 12"},    {ST_LOGICAL, 2, 1, "LOG1"},
    // A11: above a set point on IN 11, Block and Hysteresis flags.
    {ST_ALARM, 1, CAlarm::COL_INPREF, "IN 11"},     {ST_ALARM, 1, CAlarm::COL_SIGN, ">"},
    {ST_ALARM, 1, CAlarm::COL_SETPOINT, "50"},      {ST_ALARM, 1, CAlarm::COL_TEXT, "PRESSURE H"},
    {ST_ALARM, 1, CAlarm::COL_DELAY, "5"},          {ST_ALARM, 1, CAlarm::COL_LED, "3"},
    {ST_ALARM, 1, CAlarm::COL_OUTPUT, "2"},
    // A12: a dynamic range around LOG1.
    {ST_ALARM, 2, CAlarm::COL_INPREF, "IN 12"},     {ST_ALARM, 2, CAlarm::COL_DYNREF, "LOG1"},
    {ST_ALARM, 2, CAlarm::COL_SIGN, "\xB1"},        {ST_ALARM, 2, CAlarm::COL_SETPOINT, "5"},
    {ST_ALARM, 2, CAlarm::COL_DELAY, "0.500"},
    // A13: below a set point on the chained LOG2.
    {ST_ALARM, 3, CAlarm::COL_INPREF, "LOG2"},      {ST_ALARM, 3, CAlarm::COL_SIGN, "<"},
    {ST_ALARM, 3, CAlarm::COL_SETPOINT, "100"},     {ST_ALARM, 3, CAlarm::COL_TEXT, "LEVEL LOW "},
    {ST_ALARM, 3, CAlarm::COL_DELAY, "120"},        {ST_ALARM, 3, CAlarm::COL_LED, "24"},
    {ST_ALARM, 3, CAlarm::COL_OUTPUT, "14"},
    // A14 on the degree channel, A86 on the last channel with the longest delay.
    {ST_ALARM, 4, CAlarm::COL_INPREF, "IN 13"},     {ST_ALARM, 4, CAlarm::COL_SIGN, ">"},
    {ST_ALARM, 4, CAlarm::COL_SETPOINT, "-10.5"},   {ST_ALARM, 4, CAlarm::COL_DELAY, "3600"},
    {ST_ALARM, 48, CAlarm::COL_INPREF, "IN 83"},    {ST_ALARM, 48, CAlarm::COL_SETPOINT, "12.50"},
    {ST_ALARM, 48, CAlarm::COL_TEXT, "\xB0" "C HIGH   "}, {ST_ALARM, 48, CAlarm::COL_DELAY, "918000"},
    {ST_ALARM, 48, CAlarm::COL_LED, "1"},           {ST_ALARM, 48, CAlarm::COL_OUTPUT, "1"},
};

// Flags set through the Flags dialog: row and the initials of the flags turned on.
inline const std::vector<std::pair<int, std::string>> kFlagEdits = {{1, "BH"}, {3, "C"}, {48, "BCH"}};

inline void TypeEditedSetup(CQ4kUnit& unit)
{
    for (const TypedCell& e : kEdits) {
        EXPECT_EQ(unit.GetSetupType(e.type)->ValidateData(e.section, e.cell, e.text), 1)
            << unit.GetTitle(e.type) << " " << e.section << "/" << e.cell << " " << e.text;
        EXPECT_EQ(unit.GetSetupType(e.type)->GetCellText(e.section, e.cell), e.text)
            << unit.GetTitle(e.type) << " " << e.section << "/" << e.cell;
    }
    CNordaSetupType* alarm = unit.GetSetupType(ST_ALARM);
    for (const auto& [row, initials] : kFlagEdits) {
        PropList props;
        ASSERT_EQ(alarm->GetPopupProperties(row, CAlarm::COL_FLAGS, props), 1);
        for (auto& p : props)
            p->SetSelText(initials.find(p->GetName()[0]) != std::string::npos ? "ON" : "OFF");
        alarm->UpdateProperties(row, CAlarm::COL_FLAGS, props);
        EXPECT_EQ(alarm->GetCellText(row, CAlarm::COL_FLAGS), initials);
    }
}

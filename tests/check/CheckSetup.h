// Set-ups for the checks' tests, typed step by step through the sheets' own rules (the entry
// filter, then the setup type's validation; the Flags dialog for flags), as a person types them.
#pragma once

#include "check/CSetupChecker.h"
#include "setup/alarms/CAlarm.h"
#include "support/RecordingPrompt.h"
#include "unit/CQ4kUnit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

// One step: a text typed into a cell, or with col FLAGS the alarm's Flags dialog closed with OK,
// the flags whose initials text holds turned on.
struct Step {
    int sheet;
    int row;
    int col;
    std::string text;
};
inline constexpr int FLAGS = -1;

// A finding as the tests name it: its rule and its cell.
using Found = std::tuple<std::string, int, int, int>;

inline std::vector<Step> Steps(std::initializer_list<std::vector<Step>> parts)
{
    std::vector<Step> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Physical input row as a 0 to 10 V input shown as lcdLo to lcdUp bar.
inline std::vector<Step> Input(int row, const char* lcdLo = "0", const char* lcdUp = "100", const char* inpLo = "0",
                               const char* inpUp = "10")
{
    return {{ST_PHYSICAL, row, 1, "10 V"}, {ST_PHYSICAL, row, 2, "bar"},  {ST_PHYSICAL, row, 3, inpLo},
            {ST_PHYSICAL, row, 4, lcdLo},  {ST_PHYSICAL, row, 5, inpUp},  {ST_PHYSICAL, row, 6, lcdUp},
            {ST_PHYSICAL, row, 7, "0"}};
}

// An alarm on input with a sign, a set point, a text and an LED.
inline std::vector<Step> Alarm(int row, const char* input, const char* sign, const char* setPoint,
                               const char* text = "TANK", const char* led = "1")
{
    return {{ST_ALARM, row, CAlarm::COL_INPREF, input}, {ST_ALARM, row, CAlarm::COL_SIGN, sign},
            {ST_ALARM, row, CAlarm::COL_SETPOINT, setPoint}, {ST_ALARM, row, CAlarm::COL_TEXT, text},
            {ST_ALARM, row, CAlarm::COL_LED, led}};
}

// A "\xB1" alarm: input against the logical input dynRef.
inline std::vector<Step> Deviation(int row, const char* input, const char* dynRef, const char* setPoint,
                                   const char* text = "DRIFT", const char* led = "1")
{
    return {{ST_ALARM, row, CAlarm::COL_INPREF, input}, {ST_ALARM, row, CAlarm::COL_DYNREF, dynRef},
            {ST_ALARM, row, CAlarm::COL_SIGN, "\xB1"}, {ST_ALARM, row, CAlarm::COL_SETPOINT, setPoint},
            {ST_ALARM, row, CAlarm::COL_TEXT, text}, {ST_ALARM, row, CAlarm::COL_LED, led}};
}

class CheckSetup : public ::testing::Test {
protected:
    void SetUp() override { unit.Initialize(); }

    // Types each step; every one must be taken and kept as typed.
    void Type(const std::vector<Step>& steps)
    {
        for (const Step& step : steps) {
            SCOPED_TRACE(std::to_string(step.sheet) + " " + std::to_string(step.row) + " " + std::to_string(step.col) +
                         " " + step.text);
            INordaSetupType& type = *unit.GetSetupType(step.sheet);
            if (step.col == FLAGS) {
                PropList props;
                ASSERT_EQ(type.GetPopupProperties(step.row, CAlarm::COL_FLAGS, props), 1);
                for (auto& p : props)
                    p->SetSelText(step.text.find(p->GetName()[0]) != std::string::npos ? "ON" : "OFF");
                type.UpdateProperties(step.row, CAlarm::COL_FLAGS, props);
                continue;
            }
            ASSERT_EQ(type.EnterText(step.row, step.col, step.text), 1) << type.GetLastError();
            ASSERT_EQ(type.GetCellText(step.row, step.col), step.text);
        }
    }

    // The findings as (rule, sheet, row, column), sorted.
    static std::vector<Found> Names(const std::vector<Finding>& findings)
    {
        std::vector<Found> names;
        for (const Finding& f : findings)
            names.emplace_back(f.rule, f.cell.sheet, f.cell.row, f.cell.col);
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<Found> Check(const std::vector<std::string>& ignored = {}) const
    {
        return Names(CSetupChecker::Check(unit, ignored));
    }

    RecordingPrompt prompt;
    CQ4kUnit unit{prompt};
};

// A whole unit with its four setup types, edited the way a user types into the grids, for the
// alarm tests.
#pragma once

#include "unit/CQ4kUnit.h"
#include "setup/alarms/CAlarm.h"
#include "setup/general/CGeneral.h"
#include "setup/logical/CLogicalInput.h"
#include "setup/physical/CPhysicalInput.h"
#include "support/RecordingPrompt.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

// The seven parameter texts of a physical input, in sheet order (cells 1 to 7).
using Parms = std::array<std::string, 7>;
using Items = std::vector<std::string>;

inline const Parms kIn11 = {"10 V", "bar", "0", "0", "10", "100.0", "0"};
inline const Parms kIn12 = {"24 V", "V", "2", "-20", "24", "250", "1"};

class AlarmScenario : public ::testing::Test {
protected:
    void SetUp() override { unit.Initialize(); }

    CGeneral& General() { return dynamic_cast<CGeneral&>(*unit.GetSetupType(ST_GENERAL)); }
    CPhysicalInput& Phys() { return dynamic_cast<CPhysicalInput&>(*unit.GetSetupType(ST_PHYSICAL)); }
    CLogicalInput& Log() { return dynamic_cast<CLogicalInput&>(*unit.GetSetupType(ST_LOGICAL)); }
    CAlarm& Alarm() { return dynamic_cast<CAlarm&>(*unit.GetSetupType(ST_ALARM)); }

    // Types the parameters into a physical input row, input type first.
    void SetPhysical(int section, const Parms& p)
    {
        for (int c = 1; c <= 7; ++c)
            ASSERT_TRUE(Phys().ValidateData(section, c, p[static_cast<size_t>(c - 1)])) << section << "/" << c;
    }

    int Type(int row, int col, const std::string& text) { return Alarm().ValidateData(row, col, text); }
    std::string Text(int row, int col) { return Alarm().GetCellText(row, col); }
    int LastError() { return Alarm().GetLastError(); }
    Items ItemsOf(int row, int col) { return Alarm().GetProperty(row, col)->GetData(); }
    std::string FlagText(int row, int i) { return Alarm().GetFlagCell(row - 1, i)->GetDataAsString(); }

    Parms ParmColumns(int row)
    {
        Parms p;
        for (int j = 0; j < 7; ++j)
            p[static_cast<size_t>(j)] = Text(row, CAlarm::COL_INPTP + j);
        return p;
    }

    // The Flags dialog opened, the flags whose initials are given turned on, and OK pressed.
    void SetFlags(int row, const std::string& initials)
    {
        PropList props;
        ASSERT_EQ(Alarm().GetPopupProperties(row, CAlarm::COL_FLAGS, props), 1);
        ASSERT_EQ(props.size(), 3u);
        for (auto& p : props)
            p->SetSelText(initials.find(p->GetName()[0]) != std::string::npos ? "ON" : "OFF");
        Alarm().UpdateProperties(row, CAlarm::COL_FLAGS, props);
    }

    RecordingPrompt prompt;
    CQ4kUnit unit{prompt};
};

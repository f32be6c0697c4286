// Test fixture: a unit with its default sheets, and helpers that type into the input sheets
// and read their cells back.
#pragma once

#include "model/CArchive.h"
#include "model/CSetupRegistry.h"
#include "unit/CQ4kUnit.h"
#include "setup/logical/CLogicalInput.h"
#include "setup/physical/CPhysicalInput.h"
#include "support/RecordingPrompt.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using Items = std::vector<std::string>;

// Stands in the alarms' place of the registry and records what reaches it.
class AlarmProbe : public INordaSetupType {
public:
    AlarmProbe() { m_nSetupType = ST_ALARM; }
    int ValidateData(int, int, const std::string&) override { return 0; }
    void SetParm(int, int, const std::string&) override {}
    void Initialize() override {}
    void ResetChannel(int) override {}
    int GetNumChannels() override { return 0; }
    int GetLastError() override { return 0; }
    void CreateDefDataSheet() override {}
    void OnUpdateModify(int source, int section, int cell, const std::string& text) override
    {
        m_calls.emplace_back(source, section, cell, text);
    }
    std::vector<std::tuple<int, int, int, std::string>> m_calls;
};

class InputSheets : public ::testing::Test {
protected:
    InputSheets() : m_unit(m_prompt) { m_unit.Initialize(); }

    CPhysicalInput& Phys() { return *dynamic_cast<CPhysicalInput*>(m_unit.GetSetupType(ST_PHYSICAL)); }
    CLogicalInput& Log() { return *dynamic_cast<CLogicalInput*>(m_unit.GetSetupType(ST_LOGICAL)); }

    static std::string Text(INordaSetupType& type, int s, int c) { return type.GetCellText(s, c); }
    static Items ItemsOf(INordaSetupType& type, int s, int c) { return type.GetProperty(s, c)->GetData(); }
    static bool Holds(INordaSetupType& type, int s, int c, const std::string& item)
    {
        int index = -1;
        return type.GetProperty(s, c)->IsItemExist(item, index) != 0;
    }
    // The seven parameter texts of a logical input (cells 13 to 19).
    Items LogParms(int n)
    {
        Items parms;
        for (int c = 13; c <= 19; ++c)
            parms.push_back(Text(Log(), n, c));
        return parms;
    }

    // Makes channel s active with the given type, InpUp, LCDU and LCDUp, as a user types them.
    void SetChannel(int s, const std::string& type, const std::string& up = "10", const std::string& unit = "bar",
                    const std::string& lcdUp = "100")
    {
        EXPECT_EQ(Phys().ValidateData(s, 1, type), 1);
        EXPECT_EQ(Phys().ValidateData(s, 5, up), 1);
        EXPECT_EQ(Phys().ValidateData(s, 2, unit), 1);
        EXPECT_EQ(Phys().ValidateData(s, 6, lcdUp), 1);
    }

    std::vector<uint8_t> Save()
    {
        CArchive out;
        m_unit.Serialize(out);
        return out.GetBuffer();
    }

    RecordingPrompt m_prompt;
    CQ4kUnit m_unit;
};

// Test fixture for the setup types: a whole unit edited the way a user types into its grids, and
// a listener that records the edits one setup type hands to the others.
#pragma once

#include "model/CArchive.h"
#include "model/CSetupRegistry.h"
#include "setup/alarms/CAlarm.h"
#include "setup/general/CGeneral.h"
#include "setup/logical/CLogicalInput.h"
#include "setup/physical/CPhysicalInput.h"
#include "support/RecordingPrompt.h"
#include "unit/CQ4kUnit.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

using Items = std::vector<std::string>;
using Block = std::array<uint8_t, 32>;
// The seven parameter texts of an input in sheet order: InpTp, LCDU, InpLo, LCDLo, InpUp, LCDUp, Misc.
using Parms = std::array<std::string, 7>;

inline const Parms kIn11 = {"10 V", "bar", "0", "0", "10", "100.0", "0"};
inline const Parms kIn12 = {"24 V", "V", "2", "-20", "24", "250", "1"};

// The block with the given bytes changed.
inline Block Patched(Block block, std::initializer_list<std::pair<int, uint8_t>> bytes)
{
    for (auto [index, value] : bytes)
        block[static_cast<size_t>(index)] = value;
    return block;
}

// Takes another setup type's slot in a registry and records what reaches it.
class Listener : public CGeneral {
public:
    void OnUpdateModify(int source, int section, int cell, const std::string& text) override
    {
        m_seen.emplace_back(source, section, cell, text);
    }
    std::vector<std::tuple<int, int, int, std::string>> m_seen;
};

class SetupScenario : public ::testing::Test {
protected:
    void SetUp() override { unit.Initialize(); }

    CGeneral& General() { return dynamic_cast<CGeneral&>(*unit.GetSetupType(ST_GENERAL)); }
    CPhysicalInput& Phys() { return dynamic_cast<CPhysicalInput&>(*unit.GetSetupType(ST_PHYSICAL)); }
    CLogicalInput& Log() { return dynamic_cast<CLogicalInput&>(*unit.GetSetupType(ST_LOGICAL)); }
    CAlarm& Alarm() { return dynamic_cast<CAlarm&>(*unit.GetSetupType(ST_ALARM)); }

    static std::string Text(INordaSetupType& type, int s, int c) { return type.GetCellText(s, c); }
    static Items ItemsOf(INordaSetupType& type, int s, int c) { return type.GetProperty(s, c)->GetData(); }
    static bool Holds(INordaSetupType& type, int s, int c, const std::string& item)
    {
        int index = -1;
        return type.GetProperty(s, c)->IsItemExist(item, index) != 0;
    }
    static Parms Cells(INordaSetupType& type, int s, int first)
    {
        Parms p;
        for (size_t j = 0; j < p.size(); ++j)
            p[j] = type.GetCellText(s, first + static_cast<int>(j));
        return p;
    }

    // Types the parameters into a physical input row, input type first.
    void SetPhysical(int s, const Parms& p)
    {
        for (int c = 1; c <= 7; ++c)
            ASSERT_TRUE(Phys().ValidateData(s, c, p[static_cast<size_t>(c - 1)])) << s << "/" << c;
    }
    void SetChannel(int s, const std::string& type, const std::string& up = "10", const std::string& lcdu = "bar",
                    const std::string& lcdUp = "100")
    {
        SetPhysical(s, {type, lcdu, "0", "0", up, lcdUp, "0"});
    }
    Parms PhysParms(int s) { return Cells(Phys(), s, 1); }
    Parms LogParms(int n) { return Cells(Log(), n, 13); }

    // The alarm sheet, by row and column.
    int Type(int row, int col, const std::string& text) { return Alarm().ValidateData(row, col, text); }
    std::string Text(int row, int col) { return Alarm().GetCellText(row, col); }
    Items ItemsOf(int row, int col) { return Alarm().GetProperty(row, col)->GetData(); }
    int LastError() { return Alarm().GetLastError(); }
    std::string FlagText(int row, int i) { return Alarm().GetFlagCell(row - 1, i)->GetDataAsString(); }
    Parms ParmColumns(int row) { return Cells(Alarm(), row, CAlarm::COL_INPTP); }

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

    std::vector<uint8_t> Save()
    {
        CArchive out;
        unit.Serialize(out);
        return out.GetBuffer();
    }
    void Load(const std::vector<uint8_t>& bytes)
    {
        unit.Initialize();
        CArchive in(bytes);
        unit.Serialize(in);
    }

    RecordingPrompt prompt;
    CQ4kUnit unit{prompt};
};

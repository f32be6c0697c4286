// The General constants through the unit: defaults, validation of every row, the
// initialisation confirmations, the broadcast and the device values.
#include "unit/CQ4kUnit.h"
#include "model/CSetupRegistry.h"
#include "model/StringTable.h"
#include "setup/general/CGeneral.h"
#include "support/RecordingPrompt.h"

#include <gtest/gtest.h>

namespace {

// Records the broadcasts a setup type receives.
class BroadcastListener : public CGeneral {
public:
    struct Seen {
        int source, section, cell;
        std::string text;
    };
    void OnUpdateModify(int source, int section, int cell, const std::string& text) override
    {
        m_seen.push_back({source, section, cell, text});
    }
    std::vector<Seen> m_seen;
};

class GeneralTest : public ::testing::Test {
protected:
    GeneralTest() : m_unit(m_prompt)
    {
        m_unit.Initialize();
        m_general = dynamic_cast<CGeneral*>(m_unit.GetSetupType(ST_GENERAL));
    }
    std::string Value(int section) const { return m_general->GetCellText(section, 1); }

    RecordingPrompt m_prompt;
    CQ4kUnit m_unit;
    CGeneral* m_general = nullptr;
};

}  // namespace

TEST_F(GeneralTest, DefaultSheet)
{
    ASSERT_NE(m_general, nullptr);
    const char* const expected[] = {"OFF", "OFF", "1", "MODBUS", "9600", "9600", "OFF",
                                    "OFF", "DEFAULT", "OFF", "OFF", "OFF", "OFF", "0"};
    for (int s = 1; s <= 14; ++s)
        EXPECT_EQ(Value(s), expected[s - 1]) << s;
    EXPECT_EQ(m_general->GetSheet()->GetNumSections(), 65);
    EXPECT_EQ(m_general->GetNumChannels(), 15);
    EXPECT_EQ(m_general->GetCellText(0, 1), "Selections  ");
    EXPECT_EQ(m_general->GetCellText(10, 0), "Output Follows Alarm  ");
    EXPECT_EQ(m_general->GetProperty(15, 0)->GetName(), "GEN_CONST_4");
    EXPECT_EQ(m_general->GetProperty(16, 0)->GetName(), "GEN_CONST_12");
    EXPECT_EQ(m_general->GetProperty(64, 0)->GetName(), "GEN_CONST_63");
    EXPECT_TRUE(m_general->GetProperty(15, 0)->GetData().empty());
    EXPECT_EQ(m_general->GetCellText(64, 1), "NON");
    EXPECT_EQ(m_general->GetProperty(3, 1)->m_nDataType, DT_INT);
    EXPECT_EQ(m_general->GetProperty(14, 1)->m_nDataType, DT_REAL);
    EXPECT_EQ(m_general->GetProperty(4, 1)->m_bEditable, 1);
    EXPECT_EQ(m_general->GetProperty(5, 1)->m_bEditable, 0);
}

TEST_F(GeneralTest, ValidationOfEveryKindOfRow)
{
    struct Case {
        int section;
        std::string text;
        int accepted;
        std::string valueAfter;
    };
    const Case cases[] = {
        {3, "62", 1, "62"}, {3, "63", 0, "1"}, {3, "0", 0, "1"}, {3, "abc", 0, "1"},
        {3, "07", 1, "07"}, {3, "12x", 1, "12x"}, {3, " 5", 1, " 5"},
        {14, "12.5", 1, "12.5"}, {14, "12.6", 0, "0"}, {14, "-1", 0, "0"}, {14, "abc", 1, "0"},
        {14, "0.05", 1, "0.05"},
        {2, "ON", 1, "ON"}, {2, "on", 0, "OFF"}, {4, "NORDA BUS", 1, "NORDA BUS"},
        {5, "19200", 1, "19200"}, {6, "38400", 0, "9600"}, {9, "RESET 3", 1, "RESET 3"},
        {10, "ON", 1, "ON"}, {11, "+REF", 1, "+REF"}, {11, "REF", 0, "OFF"},
        {1, "OFF", 1, "OFF"}, {0, "Constants", 0, "Selections  "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.section) + " " + c.text);
        m_unit.Initialize();
        EXPECT_EQ(m_general->ValidateData(c.section, 1, c.text), c.accepted);
        EXPECT_EQ(Value(c.section), c.valueAfter);
        EXPECT_EQ(m_general->GetLastError(), 62012);
        EXPECT_EQ(LoadString(62012), "Invalid value. Last value will be used.");
    }
    EXPECT_TRUE(m_prompt.Messages().empty());
}

TEST_F(GeneralTest, AcceptingAValueChangesNoOtherRow)
{
    std::vector<std::string> before;
    for (int s = 1; s <= 14; ++s)
        before.push_back(Value(s));
    ASSERT_EQ(m_general->ValidateData(13, 1, "ON"), 1);
    for (int s = 1; s <= 14; ++s)
        EXPECT_EQ(Value(s), s == 13 ? "ON" : before[static_cast<size_t>(s - 1)]) << s;
}

TEST_F(GeneralTest, InitialisationNeedsConfirmation)
{
    struct Case {
        std::string text;
        int answer;
        int accepted;
        std::string valueAfter;
        bool warningMentionsGeneral;
    };
    const Case cases[] = {
        {"CONFIG", IMessagePrompt::IDCANCEL, 0, "OFF", false},
        {"CONFIG", IMessagePrompt::IDOK, 1, "CONFIG", false},
        {"CONF + GEN", IMessagePrompt::IDCANCEL, 0, "OFF", true},
        {"CONF + GEN", IMessagePrompt::IDOK, 1, "CONF + GEN", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        m_unit.Initialize();
        m_prompt.Clear();
        // A refusal recorded earlier stays the last error when the user cancels.
        m_general->Error(7, 62000, 0);
        m_prompt.AnswerNext(c.answer);
        EXPECT_EQ(m_general->ValidateData(1, 1, c.text), c.accepted);
        EXPECT_EQ(Value(1), c.valueAfter);
        ASSERT_EQ(m_prompt.Messages().size(), 1u);
        const auto& shown = m_prompt.Messages()[0];
        EXPECT_EQ(shown.buttons, IMessagePrompt::BTN_OK_CANCEL);
        EXPECT_NE(shown.text.find("\n\rPress OK to continue or Cancel"), std::string::npos);
        EXPECT_EQ(shown.text.find("general constants") != std::string::npos, c.warningMentionsGeneral);
        EXPECT_EQ(m_general->GetLastError(), c.answer == IMessagePrompt::IDOK ? 62012 : 62000);
    }
}

TEST_F(GeneralTest, EveryEditIsBroadcastAsTypedAcceptedOrNot)
{
    BroadcastListener listener;
    CSetupRegistry registry;
    registry.Register(ST_GENERAL, m_general);
    registry.Register(ST_ALARM, &listener);
    m_general->ValidateData(11, 1, "-REF");
    m_general->ValidateData(3, 1, "99");
    m_prompt.AnswerNext(IMessagePrompt::IDCANCEL);
    m_general->ValidateData(1, 1, "CONFIG");     // cancelled: nothing is broadcast
    ASSERT_EQ(listener.m_seen.size(), 2u);
    EXPECT_EQ(listener.m_seen[0].source, ST_GENERAL);
    EXPECT_EQ(listener.m_seen[0].section, 11);
    EXPECT_EQ(listener.m_seen[0].text, "-REF");
    EXPECT_EQ(listener.m_seen[1].section, 3);
    EXPECT_EQ(listener.m_seen[1].text, "99");
}

TEST_F(GeneralTest, DeviceValuesBothWays)
{
    struct Case {
        int section;
        std::string text;
        unsigned long value;
        std::string textBack;
    };
    const Case cases[] = {
        {1, "CONFIG", 3000, "CONFIG"}, {1, "CONF + GEN", 3033, "CONF + GEN"}, {2, "ON", 33, "ON"},
        {4, "NORDA BUS", 0, "NORDA BUS"}, {3, "62", 62, "62"}, {3, "0", 0, "0"},
        {5, "19200", 19200, "19200"}, {7, "ON", 1, "ON"}, {7, "maybe", 0xFFFFFFFFUL, "ON"},
        {9, "RESET 3", 2, "RESET 3"}, {11, "-REF", 2, "-REF"}, {14, "12.5", 250, "12.5"},
        {14, "0", 0, " 0"}, {14, "1", 20, " 1"}, {14, "0.05", 1, "0.05"}, {12, "OFF", 0, "OFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.section) + " " + c.text);
        EXPECT_EQ(m_general->StringToValue(c.section, c.text), c.value);
        EXPECT_EQ(m_general->FormatValue(c.section, c.value), c.textBack);
    }
    EXPECT_EQ(m_general->FormatValue(1, 7), "OFF");     // no such code: the first choice
    EXPECT_EQ(m_general->FormatValue(3, 63), "0");
    EXPECT_EQ(m_general->FormatValue(11, 9), "OFF");
}

TEST_F(GeneralTest, BlocksKeepReservedConstantsAndRefuseUnknownChoices)
{
    uint8_t block[32];
    for (int i = 0; i < 32; ++i)
        block[i] = static_cast<uint8_t>(0xA0 + i);
    m_general->ValidateData(14, 1, "12.5");
    m_general->GetConDataBlock(8, block);
    // constant 12 (bytes 16-19) is reserved and keeps what the unit reported
    EXPECT_EQ(block[16], 0xB0);
    EXPECT_EQ(block[19], 0xB3);
    // constant 15, hysteresis, is 250
    EXPECT_EQ(block[28], 250);
    EXPECT_EQ(block[29], 0);

    uint8_t in[32] = {};
    in[0] = 0xB8;  // constant 0 = 3000: CONFIG
    in[1] = 0x0B;
    in[20] = 0x07;  // constant 5, RS 232 rate 7: not a choice, the cell keeps 9600
    in[12] = 63;   // constant 3, device number 63: shown as 0
    m_general->SetConstants(0, in);
    EXPECT_EQ(Value(1), "CONFIG");
    EXPECT_EQ(Value(6), "9600");
    EXPECT_EQ(Value(3), "0");
    EXPECT_EQ(Value(4), "NORDA BUS");
}

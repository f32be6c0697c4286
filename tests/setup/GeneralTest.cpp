// The General constants: validation of every kind of row, the initialisation confirmations, the
// broadcast of edits and the device values and blocks.
#include "SetupScenario.h"

namespace {

class GeneralTest : public SetupScenario {
protected:
    std::string Value(int section) { return General().GetCellText(section, 1); }
};

TEST_F(GeneralTest, ValidationOfEveryKindOfRow)
{
    struct Case { int section; std::string text; int accepted; std::string valueAfter; };
    const Case cases[] = {
        {3, "62", 1, "62"}, {3, "63", 0, "1"}, {3, "0", 0, "1"}, {3, "abc", 0, "1"}, {3, "07", 1, "07"},
        {3, "12x", 1, "12x"}, {3, " 5", 1, " 5"}, {14, "12.5", 1, "12.5"}, {14, "12.6", 0, "0"}, {14, "-1", 0, "0"},
        {14, "abc", 1, "0"}, {14, "0.05", 1, "0.05"}, {2, "ON", 1, "ON"}, {2, "on", 0, "OFF"},
        {4, "NORDA BUS", 1, "NORDA BUS"}, {5, "19200", 1, "19200"}, {6, "38400", 0, "9600"},
        {9, "RESET 3", 1, "RESET 3"}, {10, "ON", 1, "ON"}, {11, "+REF", 1, "+REF"}, {11, "REF", 0, "OFF"},
        {1, "OFF", 1, "OFF"}, {0, "Constants", 0, "Selections  "},
    };
    std::vector<std::string> defaults;
    for (int s = 0; s <= 14; ++s)
        defaults.push_back(Value(s));
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.section) + " " + c.text);
        unit.Initialize();
        EXPECT_EQ(General().ValidateData(c.section, 1, c.text), c.accepted);
        EXPECT_EQ(General().GetLastError(), 62012);
        for (int s = 0; s <= 14; ++s)  // and no other row changes
            EXPECT_EQ(Value(s), s == c.section ? c.valueAfter : defaults[static_cast<size_t>(s)]) << s;
    }
    EXPECT_TRUE(prompt.Messages().empty());
}

TEST_F(GeneralTest, InitialisationNeedsConfirmation)
{
    struct Case { std::string text; int answer; int accepted; std::string valueAfter; bool mentionsGeneral; };
    const Case cases[] = {
        {"CONFIG", IMessagePrompt::IDCANCEL, 0, "OFF", false}, {"CONFIG", IMessagePrompt::IDOK, 1, "CONFIG", false},
        {"CONF + GEN", IMessagePrompt::IDCANCEL, 0, "OFF", true}, {"CONF + GEN", IMessagePrompt::IDOK, 1, "CONF + GEN", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        unit.Initialize();
        prompt.Clear();
        // A refusal recorded earlier stays the last error when the user cancels.
        General().Error(7, 62000, 0);
        prompt.AnswerNext(c.answer);
        EXPECT_EQ(General().ValidateData(1, 1, c.text), c.accepted);
        EXPECT_EQ(Value(1), c.valueAfter);
        ASSERT_EQ(prompt.Messages().size(), 1u);
        const auto& shown = prompt.Messages()[0];
        EXPECT_EQ(shown.buttons, IMessagePrompt::BTN_OK_CANCEL);
        EXPECT_EQ(shown.text.find("general constants") != std::string::npos, c.mentionsGeneral);
        EXPECT_EQ(General().GetLastError(), c.answer == IMessagePrompt::IDOK ? 62012 : 62000);
    }
}

TEST_F(GeneralTest, EveryEditIsBroadcastAsTypedAcceptedOrNot)
{
    Listener listener;
    CSetupRegistry registry;
    registry.Register(ST_GENERAL, &General());
    registry.Register(ST_ALARM, &listener);
    General().ValidateData(11, 1, "-REF");
    General().ValidateData(3, 1, "99");
    prompt.AnswerNext(IMessagePrompt::IDCANCEL);
    General().ValidateData(1, 1, "CONFIG");  // cancelled: nothing is broadcast
    using Seen = std::tuple<int, int, int, std::string>;
    EXPECT_EQ(listener.m_seen, (std::vector<Seen>{{ST_GENERAL, 11, 1, "-REF"}, {ST_GENERAL, 3, 1, "99"}}));
}

TEST_F(GeneralTest, DeviceValuesBothWays)
{
    struct Case { int section; std::string text; unsigned long value; std::string textBack; };
    const Case cases[] = {
        {1, "CONFIG", 3000, "CONFIG"}, {1, "CONF + GEN", 3033, "CONF + GEN"}, {2, "ON", 33, "ON"},
        {4, "NORDA BUS", 0, "NORDA BUS"}, {3, "62", 62, "62"}, {3, "0", 0, "0"},
        {5, "19200", 19200, "19200"}, {7, "ON", 1, "ON"}, {7, "maybe", 0xFFFFFFFFUL, "ON"},
        {9, "RESET 3", 2, "RESET 3"}, {11, "-REF", 2, "-REF"}, {14, "12.5", 250, "12.5"},
        {14, "0", 0, " 0"}, {14, "1", 20, " 1"}, {14, "0.05", 1, "0.05"}, {12, "OFF", 0, "OFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.section) + " " + c.text);
        EXPECT_EQ(General().StringToValue(c.section, c.text), c.value);
        EXPECT_EQ(General().FormatValue(c.section, c.value), c.textBack);
    }
    EXPECT_EQ(General().FormatValue(1, 7), "OFF");  // no such code: the first choice
    EXPECT_EQ(General().FormatValue(3, 63), "63");  // beyond the sheet's range, as held
    EXPECT_EQ(General().FormatValue(11, 9), "OFF");
}

// Reserved constants kept in packed blocks: see the General upload in tests/transfer.
TEST_F(GeneralTest, ReceivedBlocksRefuseUnknownChoices)
{
    // Constant 0 is 3000 (CONFIG), 3 is device number 63 (shown as held), and 5, RS 232 rate 7,
    // is no choice: the cell keeps 9600.
    Block in = Patched({}, {{0, 0xB8}, {1, 0x0B}, {20, 0x07}, {12, 63}});
    General().SetConstants(0, in.data());
    EXPECT_EQ(Value(1), "CONFIG");
    EXPECT_EQ(Value(6), "9600");
    EXPECT_EQ(Value(3), "63");
    EXPECT_EQ(Value(4), "NORDA BUS");
}

}  // namespace

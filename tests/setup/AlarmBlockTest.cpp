// The alarm's 32-byte device block: packing rows as the user set them up, and taking received
// blocks apart into rows.
#include "SetupScenario.h"

#include <algorithm>
#include <cstring>

namespace {

// The fresh row's block with the given input reference code.
Block Fresh(uint8_t ref)
{
    Block b{};
    const uint8_t head[9] = {ref, 0x00, 0x00, 0x20, 0x1E, 0x00, 0x18, 0x0E, 0x00};
    std::memcpy(b.data(), head, sizeof head);
    std::memset(b.data() + 9, 0x20, 10);
    return b;
}

class AlarmBlock : public SetupScenario {
protected:
    void SetUp() override
    {
        SetupScenario::SetUp();
        SetPhysical(1, kIn11);   // code 0
        SetPhysical(2, kIn12);   // code 1
        SetPhysical(24, kIn11);  // code 23
    }

    Block Pack(int channel)
    {
        Block b;
        b.fill(0xAA);
        Alarm().GetAlarmDataBlock(channel, b.data());
        return b;
    }

    // Takes a block for "IN 11" with the given bytes changed apart into row 3.
    void Receive(std::initializer_list<std::pair<int, uint8_t>> bytes)
    {
        Block b = Patched(Fresh(0x00), bytes);
        Alarm().SetAlarmData(2, b.data());
    }
};

// Typed delays are sent as count and time factor; received ones show the value the unit holds,
// up to a second in the unit's own spelling. Cases without a typed text are blocks only the unit
// sends.
TEST_F(AlarmBlock, DelayIsSentAsCountAndTimeFactorAndReadBack)
{
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    struct Case { const char* typed; uint8_t factor; uint8_t count; const char* shown; };
    const Case cases[] = {
        {"1", 0, 100, "1.000"}, {"10", 1, 100, "10"}, {"100", 2, 100, "100"}, {"1000", 3, 100, "1000"},
        {"6000", 4, 100, "6000"}, {"60000", 5, 100, "60000"}, {"1.05", 1, 11, "1.1"}, {"918000", 6, 255, "918000"},
        {"2500", 4, 42, "2520"}, {"60001", 6, 17, "61200"}, {nullptr, 1, 5, "0.50"}, {nullptr, 0, 30, "0.300"},
        {nullptr, 0, 101, "1.01"}, {nullptr, 0, 150, "1.5"}, {nullptr, 7, 3, "259200"}, {"2.5", 1, 25, "2.5"},
        {"9.9", 1, 99, "9.9"}, {"4.7", 1, 47, "4.7"}, {"1.2", 1, 12, "1.2"}, {"10", 1, 100, "10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        if (c.typed) {
            ASSERT_TRUE(Type(1, 6, c.typed));
            Block b = Pack(0);
            EXPECT_EQ(b[5], c.factor);
            EXPECT_EQ(b[4], c.count);
        }
        Receive({{4, c.count}, {5, c.factor}});
        EXPECT_EQ(Text(3, 6), c.shown);
    }
}

TEST_F(AlarmBlock, InputReferenceCodes)
{
    ASSERT_TRUE(Log().ValidateData(1, 1, "IN 12"));
    const std::pair<const char*, uint8_t> cases[] = {{"IN 11", 0}, {"IN 12", 1}, {"IN 83", 23}, {"LOG1", 24}, {"OFF", 48}};
    for (auto [name, code] : cases) {
        Type(5, 1, name);
        ASSERT_EQ(Text(5, 1), name);
        EXPECT_EQ(Pack(4)[0], code) << name;
        Alarm().ResetChannel(3);
        Receive({{0, code}});
        EXPECT_EQ(Text(3, 1), name) << int(code);
    }
    // Codes of inputs that are off, or of nothing, leave the alarm disabled and its list alone.
    for (uint8_t code : {2, 25, 47, 0xFF}) {
        Receive({{0, code}});
        EXPECT_EQ(Text(3, 1), "OFF") << int(code);
        EXPECT_EQ(ItemsOf(3, 1), (Items{"OFF", "IN 11", "IN 12", "IN 83", "LOG1"}));
    }
}

TEST_F(AlarmBlock, SetPointCarriesSignAndDynamicReferenceBits)
{
    ASSERT_TRUE(Phys().ValidateData(1, 4, "-20"));
    ASSERT_TRUE(Log().ValidateData(1, 1, "IN 11"));
    ASSERT_TRUE(Log().ValidateData(3, 1, "IN 12"));
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    ASSERT_TRUE(Type(2, 1, "IN 12"));
    struct Case { int row; const char* setPoint; const char* dynRef; const char* sign; uint8_t b1, b2, b3; };
    const Case cases[] = {
        {1, "0", "OFF", ">", 0x00, 0x00, 0x00},     {1, "-12.5", "OFF", "<", 0x7D, 0x00, 0xA8},
        {1, "3.25", "OFF", ">", 0x45, 0x01, 0x10},  {1, "7", "LOG1", "\xB1", 0x07, 0x00, 0x60},
        {1, "7", "LOG1", "<", 0x07, 0x00, 0x20},    {2, "250", "LOG3", "\xB1", 0xFA, 0x00, 0x62},
        {2, "250", "LOG3", ">", 0xFA, 0x00, 0x02},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Type(c.row, 4, c.setPoint));
        ASSERT_TRUE(Type(c.row, 2, c.dynRef));
        ASSERT_TRUE(Type(c.row, 3, c.sign));
        Block b = Pack(c.row - 1);
        EXPECT_EQ((std::array<uint8_t, 3>{b[1], b[2], b[3]}), (std::array<uint8_t, 3>{c.b1, c.b2, c.b3})) << c.setPoint << c.dynRef << c.sign;
    }
    // A sign showing the range without a reference (as a file may hold it) sends no range.
    ASSERT_TRUE(Type(1, 2, "OFF"));
    Alarm().SetParm(1, 3, "\xB1");
    EXPECT_EQ(Pack(0)[3], 0x20);
}

// A received set point stays as the unit holds it, beyond its input's range too; sign and
// reference are the unit's, a reference without its range included.
TEST_F(AlarmBlock, ReceivedSetPointSelectsSignAndDynamicReferenceAsHeld)
{
    ASSERT_TRUE(Log().ValidateData(2, 1, "IN 11"));  // LOG2 matches IN 11
    ASSERT_TRUE(Log().ValidateData(3, 1, "IN 12"));  // LOG3 does not
    struct Case { uint8_t b1, b3; const char* setPoint; const char* sign; const char* dynRef; };
    const Case cases[] = {
        {50, 0x41, "50", "\xB1", "LOG2"}, {50, 0x20, "50", "<", "OFF"}, {50, 0x00, "50", ">", "OFF"},
        {50, 0x42, "50", "<", "OFF"},     {50, 0x27, "50", "<", "OFF"}, {200, 0x00, "200", ">", "OFF"},
        {50, 0x01, "50", ">", "LOG2"},    {50, 0x21, "50", "<", "LOG2"}, {0xF6, 0x88, "-24.6", ">", "OFF"},
    };
    for (const auto& c : cases) {
        Receive({{1, c.b1}, {3, c.b3}});
        EXPECT_EQ(Text(3, 4), c.setPoint) << int(c.b3);
        EXPECT_EQ(Text(3, 3), c.sign) << int(c.b3);
        EXPECT_EQ(Text(3, 2), c.dynRef) << int(c.b3);
    }
    EXPECT_TRUE(prompt.Messages().empty());
}

TEST_F(AlarmBlock, LedAndOutputCodes)
{
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    const std::tuple<const char*, uint8_t, const char*, uint8_t> cases[] = {
        {"OFF", 0x18, "OFF", 0x0E}, {"1", 0x00, "1", 0x00}, {"24", 0x17, "14", 0x0D}, {"9", 0x08, "10", 0x09},
    };
    for (auto [led, ledCode, output, outCode] : cases) {
        ASSERT_TRUE(Type(1, 7, led));
        ASSERT_TRUE(Type(1, 8, output));
        EXPECT_EQ(Pack(0)[6], ledCode) << led;
        EXPECT_EQ(Pack(0)[7], outCode) << output;
        Receive({{6, ledCode}, {7, outCode}});
        EXPECT_EQ(Text(3, 7), led);
        EXPECT_EQ(Text(3, 8), output);
    }
    Receive({{6, 0x19}, {7, 0x0F}});  // beyond the lists: the previous choices stay
    EXPECT_EQ(Text(3, 7), "9");
    EXPECT_EQ(Text(3, 8), "10");
}

TEST_F(AlarmBlock, FlagsByteFollowsTheFlagCellsNotTheSummary)
{
    ASSERT_TRUE(General().ValidateData(11, 1, "+REF"));
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    SetFlags(1, "BC");
    EXPECT_EQ(Pack(0)[8], 0xC0);
    ASSERT_TRUE(General().ValidateData(11, 1, "OFF"));
    ASSERT_EQ(Text(1, 9), "BC");
    EXPECT_EQ(Pack(0)[8], 0x40);

    const std::pair<uint8_t, const char*> received[] = {{0x80, "B"}, {0x60, "CH"}, {0xE0, "BCH"}, {0x1F, "..."}};
    for (auto [flags, summary] : received) {
        Receive({{8, flags}});
        EXPECT_EQ(Text(3, 9), summary) << int(flags);
        EXPECT_EQ(FlagText(3, 2), (flags & 0x20) ? "ON" : "OFF");
    }
}

TEST_F(AlarmBlock, DisplayTextIsTenBlankPaddedCharacters)
{
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    const std::pair<const char*, const char*> cases[] = {
        {"", "          "}, {"PUMP", "PUMP      "}, {"TANK LEVEL 1", "TANK LEVEL"}};
    for (auto [text, sent] : cases) {
        ASSERT_TRUE(Type(1, 5, text));
        Block b = Pack(0);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data() + 9), 10), sent) << text;
        EXPECT_EQ(std::count(b.begin() + 19, b.end(), 0), 13) << text;
    }
    const std::pair<const char*, const char*> received[] = {{"PUMP      ", "PUMP      "}, {"AB\0CDEFGHI", "AB"}};
    for (auto [bytes, text] : received) {
        Block b = Fresh(0x00);
        std::memcpy(b.data() + 9, bytes, 10);
        Alarm().SetAlarmData(2, b.data());
        EXPECT_EQ(Text(3, 5), text);
    }
}

}  // namespace

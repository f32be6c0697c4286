// The alarm's 32-byte device block: packing rows as the user set them up, and taking received
// blocks apart into rows.
#include "AlarmScenario.h"

#include <algorithm>
#include <cstring>

namespace {

using Block = std::array<uint8_t, 32>;

class AlarmBlock : public AlarmScenario {
protected:
    void SetUp() override
    {
        AlarmScenario::SetUp();
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

    // A block for "IN 11" with the fresh row's values, to be altered by a test.
    static Block Received()
    {
        Block b{};
        const uint8_t head[9] = {0x00, 0x00, 0x00, 0x20, 0x1E, 0x00, 0x18, 0x0E, 0x00};
        std::memcpy(b.data(), head, sizeof head);
        std::memset(b.data() + 9, 0x20, 10);
        return b;
    }
};

TEST_F(AlarmBlock, FreshRowsPackAsNoReferenceWithDefaultValues)
{
    Block expected{};
    const uint8_t head[9] = {0x30, 0x00, 0x00, 0x20, 0x1E, 0x00, 0x18, 0x0E, 0x00};
    std::memcpy(expected.data(), head, sizeof head);
    std::memset(expected.data() + 9, 0x20, 10);
    for (int k = 0; k < 48; ++k)
        EXPECT_EQ(Pack(k), expected) << k;
}

TEST_F(AlarmBlock, DelayIsSentAsCountAndTimeFactor)
{
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    struct Case {
        const char* delay;
        uint8_t factor;
        uint8_t count;
    };
    const Case cases[] = {
        {"0.3", 0, 30},    {"1", 0, 100},     {"1.000", 0, 100},  {"1.05", 1, 11},   {"10", 1, 100},
        {"10.04", 2, 10},  {"100", 2, 100},   {"1000", 3, 100},   {"2500", 4, 42},   {"6000", 4, 100},
        {"60000", 5, 100}, {"60001", 6, 17},  {"918000", 6, 255}, {"12.345", 2, 12},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Type(1, 6, c.delay)) << c.delay;
        Block b = Pack(0);
        EXPECT_EQ(b[5], c.factor) << c.delay;
        EXPECT_EQ(b[4], c.count) << c.delay;
    }
}

TEST_F(AlarmBlock, ReceivedDelayIsShownInWholeSecondsAboveOneSecond)
{
    struct Case {
        uint8_t count;
        uint8_t factor;
        const char* text;
    };
    const Case cases[] = {
        {15, 1, "1"},   {100, 0, "1.000"}, {5, 1, "0.50"},   {30, 0, "0.300"}, {25, 1, "2"},
        {101, 0, "1"},  {42, 4, "2520"},   {255, 6, "918000"}, {3, 7, "259200"},
    };
    for (const auto& c : cases) {
        Block b = Received();
        b[4] = c.count;
        b[5] = c.factor;
        Alarm().SetAlarmData(2, b.data());
        EXPECT_EQ(Text(3, 6), c.text) << int(c.count) << "/" << int(c.factor);
    }
}

TEST_F(AlarmBlock, ReceivedDelayOutOfRangeIsKeptButRecorded)
{
    Block b = Received();
    b[4] = 20;  // 0.2 s
    Alarm().SetAlarmData(0, b.data());
    EXPECT_EQ(Text(1, 6), "0.200");
    EXPECT_EQ(LastError(), 0);  // the last column checked is a parameter copy
    EXPECT_EQ(Alarm().DoValidateData(1, 6, Text(1, 6), 0), 0);
    EXPECT_EQ(LastError(), 62004);
}

TEST_F(AlarmBlock, InputReferenceCodes)
{
    ASSERT_TRUE(Log().ValidateData(1, 1, "IN 12"));
    struct Case {
        const char* typed;
        uint8_t code;
    };
    const Case cases[] = {{"IN 11", 0}, {"IN 12", 1}, {"IN 83", 23}, {"LOG1", 24}, {"OFF", 48}};
    for (const auto& c : cases) {
        Type(5, 1, c.typed);
        ASSERT_EQ(Text(5, 1), c.typed);
        EXPECT_EQ(Pack(4)[0], c.code) << c.typed;

        Alarm().ResetChannel(6);
        Block b = Received();
        b[0] = c.code;
        Alarm().SetAlarmData(5, b.data());
        EXPECT_EQ(Text(6, 1), c.typed) << int(c.code);
    }
    // Codes of inputs that are off, or of nothing, leave the alarm disabled.
    for (uint8_t code : {uint8_t{2}, uint8_t{25}, uint8_t{47}, uint8_t{49}, uint8_t{0xFF}}) {
        Alarm().ResetChannel(6);
        Block b = Received();
        b[0] = code;
        Alarm().SetAlarmData(5, b.data());
        EXPECT_EQ(Text(6, 1), "OFF") << int(code);
        EXPECT_EQ(Items(6, 1), (std::vector<std::string>{"OFF", "IN 11", "IN 12", "IN 83", "LOG1"}));
    }
}

TEST_F(AlarmBlock, SetPointCarriesSignAndDynamicReferenceBits)
{
    ASSERT_TRUE(Log().ValidateData(1, 1, "IN 11"));
    ASSERT_TRUE(Log().ValidateData(3, 1, "IN 12"));
    ASSERT_TRUE(Phys().ValidateData(1, 4, "-20"));
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    ASSERT_TRUE(Type(2, 1, "IN 12"));
    struct Case {
        int row;
        const char* setPoint;
        const char* sign;
        const char* dynRef;
        uint8_t b1, b2, b3;
    };
    const Case cases[] = {
        {1, "0", "<", "OFF", 0x00, 0x00, 0x20},        {1, "0", ">", "OFF", 0x00, 0x00, 0x00},
        {1, "-12.5", "<", "OFF", 0x7D, 0x00, 0xA8},    {1, "3.25", ">", "OFF", 0x45, 0x01, 0x10},
        {1, "7", "\xB1", "LOG1", 0x07, 0x00, 0x60},    {1, "7", "<", "LOG1", 0x07, 0x00, 0x20},
        {1, "7", ">", "LOG1", 0x07, 0x00, 0x00},       {2, "250", "\xB1", "LOG3", 0xFA, 0x00, 0x62},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Type(c.row, 4, c.setPoint));
        if (std::string(c.dynRef) != "OFF")
            ASSERT_TRUE(Type(c.row, 2, c.dynRef));
        else
            ASSERT_TRUE(Type(c.row, 2, "OFF"));
        ASSERT_TRUE(Type(c.row, 3, c.sign));
        Block b = Pack(c.row - 1);
        EXPECT_EQ(b[1], c.b1) << c.setPoint << c.sign << c.dynRef;
        EXPECT_EQ(b[2], c.b2) << c.setPoint << c.sign << c.dynRef;
        EXPECT_EQ(b[3], c.b3) << c.setPoint << c.sign << c.dynRef;
    }
}

TEST_F(AlarmBlock, DynamicRangeIsSentOnlyWithItsReference)
{
    ASSERT_TRUE(Log().ValidateData(2, 1, "IN 11"));
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    ASSERT_TRUE(Type(1, 2, "LOG2"));
    ASSERT_EQ(Pack(0)[3], 0x61);
    // A sign showing the range without a reference (as a file may hold it) sends no range.
    ASSERT_TRUE(Type(1, 2, "OFF"));
    Alarm().SetParm(1, 3, "\xB1");
    ASSERT_EQ(Text(1, 3), "\xB1");
    EXPECT_EQ(Pack(0)[3], 0x20);
}

TEST_F(AlarmBlock, ReceivedSetPointFlagsSelectSignAndDynamicReference)
{
    ASSERT_TRUE(Log().ValidateData(2, 1, "IN 11"));  // LOG2 matches IN 11
    ASSERT_TRUE(Log().ValidateData(3, 1, "IN 12"));  // LOG3 does not
    struct Case {
        uint8_t b3;
        const char* sign;
        const char* dynRef;
    };
    const Case cases[] = {
        {0x41, "\xB1", "LOG2"}, {0x20, "<", "OFF"}, {0x00, ">", "OFF"},
        {0x42, "<", "OFF"},  // LOG3's parameters differ: the check turns the range off
        {0x27, "<", "OFF"},  // a reference without the range bit is ignored
    };
    for (const auto& c : cases) {
        Block b = Received();
        b[1] = 0x32;
        b[3] = c.b3;
        Alarm().SetAlarmData(0, b.data());
        EXPECT_EQ(Text(1, 3), c.sign) << int(c.b3);
        EXPECT_EQ(Text(1, 2), c.dynRef) << int(c.b3);
        EXPECT_EQ(Text(1, 4), "50") << int(c.b3);
    }
}

TEST_F(AlarmBlock, ReceivedSetPointIsClampedSilently)
{
    Block b = Received();
    b[1] = 0xC8;  // 200 above LCDUp "100.0"
    Alarm().SetAlarmData(0, b.data());
    EXPECT_EQ(Text(1, 4), "100.0");
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
        Block b = Pack(0);
        EXPECT_EQ(b[6], ledCode) << led;
        EXPECT_EQ(b[7], outCode) << output;

        Block r = Received();
        r[6] = ledCode;
        r[7] = outCode;
        Alarm().SetAlarmData(20, r.data());
        EXPECT_EQ(Text(21, 7), led);
        EXPECT_EQ(Text(21, 8), output);
    }
    // Codes beyond the lists keep the previous choice.
    Block r = Received();
    r[6] = 0x19;
    r[7] = 0x0F;
    Alarm().SetAlarmData(20, r.data());
    EXPECT_EQ(Text(21, 7), "9");
    EXPECT_EQ(Text(21, 8), "10");
}

TEST_F(AlarmBlock, FlagsByteFollowsTheFlagCellsNotTheSummary)
{
    ASSERT_TRUE(General().ValidateData(11, 1, "+REF"));
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    PropList props;
    ASSERT_EQ(Alarm().GetPopupProperties(1, 9, props), 1);
    props[0]->SetSelText("ON");
    props[1]->SetSelText("ON");
    Alarm().UpdateProperties(1, 9, props);
    EXPECT_EQ(Pack(0)[8], 0xC0);

    ASSERT_TRUE(General().ValidateData(11, 1, "OFF"));
    ASSERT_EQ(Text(1, 9), "BC");
    EXPECT_EQ(Pack(0)[8], 0x40);

    const std::pair<uint8_t, const char*> received[] = {
        {0x80, "B"}, {0x20, "H"}, {0xE0, "BCH"}, {0x60, "CH"}, {0x1F, "..."}, {0x00, "..."},
    };
    for (auto [flags, summary] : received) {
        Block b = Received();
        b[8] = flags;
        Alarm().SetAlarmData(1, b.data());
        EXPECT_EQ(Text(2, 9), summary) << int(flags);
        EXPECT_EQ(FlagText(2, 0), (flags & 0x80) ? "ON" : "OFF");
        EXPECT_EQ(FlagText(2, 2), (flags & 0x20) ? "ON" : "OFF");
    }
}

TEST_F(AlarmBlock, DisplayTextIsTenBlankPaddedCharacters)
{
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    const std::pair<const char*, const char*> cases[] = {
        {"", "          "}, {"PUMP", "PUMP      "}, {"TANK LEVEL 1", "TANK LEVEL"}, {"\xB0" "C", "\xB0" "C        "},
    };
    for (auto [text, sent] : cases) {
        ASSERT_TRUE(Type(1, 5, text));
        Block b = Pack(0);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data() + 9), 10), sent) << text;
        EXPECT_TRUE(std::all_of(b.begin() + 19, b.end(), [](uint8_t x) { return x == 0; })) << text;
    }

    Block b = Received();
    std::memcpy(b.data() + 9, "PUMP      ", 10);
    Alarm().SetAlarmData(0, b.data());
    EXPECT_EQ(Text(1, 5), "PUMP      ");
    std::memcpy(b.data() + 9, "AB\0CDEFGHI", 10);
    Alarm().SetAlarmData(0, b.data());
    EXPECT_EQ(Text(1, 5), "AB");
}

TEST_F(AlarmBlock, ARowSurvivesTheTripToTheUnitAndBack)
{
    ASSERT_TRUE(Log().ValidateData(2, 1, "IN 12"));
    ASSERT_TRUE(General().ValidateData(11, 1, "-REF"));
    ASSERT_TRUE(Type(30, 1, "IN 12"));
    ASSERT_TRUE(Type(30, 2, "LOG2"));
    ASSERT_TRUE(Type(30, 4, "-7.25"));
    ASSERT_TRUE(Type(30, 5, "STEAM"));
    ASSERT_TRUE(Type(30, 6, "2500"));
    ASSERT_TRUE(Type(30, 7, "17"));
    ASSERT_TRUE(Type(30, 8, "3"));
    PropList props;
    ASSERT_EQ(Alarm().GetPopupProperties(30, 9, props), 1);
    props[0]->SetSelText("ON");
    props[2]->SetSelText("ON");
    Alarm().UpdateProperties(30, 9, props);
    Block sent = Pack(29);

    Alarm().ResetChannel(30);
    Alarm().SetAlarmData(29, sent.data());
    const char* texts[10] = {"", "IN 12", "LOG2", "\xB1", "-7.25", "STEAM     ", "2520", "17", "3", "BH"};
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(Text(30, c), texts[c]) << c;
    EXPECT_EQ(ParmColumns(30), kIn12);
    EXPECT_EQ(Pack(29), sent);
}

}  // namespace

// Alarm edits as a user types them: input reference, dynamic reference and sign, set point,
// delay, LED and output, and the refusals of a disabled alarm.
#include "AlarmScenario.h"

namespace {

class AlarmValidation : public AlarmScenario {
protected:
    void SetUp() override
    {
        AlarmScenario::SetUp();
        SetPhysical(1, kIn11);
        SetPhysical(2, kIn12);
    }

    // LOG n takes its parameters from one physical input.
    void MakeLogical(int n, const std::string& input) { ASSERT_TRUE(Log().ValidateData(n, 1, input)); }
};

TEST_F(AlarmValidation, InputReferenceIsFoundFromWhatTheUserTypes)
{
    const std::pair<const char*, const char*> cases[] = {
        {"11", "IN 11"}, {"in 11", "IN 11"}, {"IN 11", "IN 11"}, {"12", "IN 12"}, {"In 12", "IN 12"},
    };
    for (auto [typed, name] : cases) {
        Alarm().ResetChannel(4);
        EXPECT_EQ(Type(4, 1, typed), 1) << typed;
        EXPECT_EQ(LastError(), 0) << typed;
        EXPECT_EQ(Text(4, 1), name) << typed;
        EXPECT_EQ(ParmColumns(4), std::string(name) == "IN 11" ? kIn11 : kIn12) << typed;
    }
}

TEST_F(AlarmValidation, InputReferenceRefusals)
{
    struct Case {
        const char* typed;
        unsigned id;
        bool resets;  // the row goes back to its defaults
    };
    const Case cases[] = {
        {"13", 62010, false},   // IN 13 exists but is off
        {"IN 83", 62010, false},
        {"IX 11", 62000, false},  // looks physical but is no channel name
        {"LOG1", 62011, false},   // no logical input is active
        {"LOG9", 62011, false},
        {"1", 62000, true},       // one digit never names a channel
        {"111", 62000, true},
        {"", 62000, true},
        {"ABC", 62000, true},
        {"OFF", 62000, true},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Type(6, 1, "IN 11"));
        ASSERT_TRUE(Type(6, 4, "42"));
        EXPECT_EQ(Type(6, 1, c.typed), 0) << c.typed;
        EXPECT_EQ(static_cast<unsigned>(LastError()), c.id) << c.typed;
        EXPECT_EQ(Text(6, 1), c.resets ? "OFF" : "IN 11") << c.typed;
        EXPECT_EQ(Text(6, 4), c.resets ? "0" : "42") << c.typed;
        EXPECT_EQ(Text(6, 10), c.resets ? "" : "10 V") << c.typed;
    }
}

TEST_F(AlarmValidation, OffResetsTheRowWithItsFlags)
{
    ASSERT_TRUE(Type(1, 1, "11"));
    ASSERT_TRUE(Type(1, 5, "BOILER"));
    PropList props;
    ASSERT_EQ(Alarm().GetPopupProperties(1, 9, props), 1);
    props[1]->SetSelText("ON");
    Alarm().UpdateProperties(1, 9, props);
    ASSERT_EQ(Text(1, 9), "C");

    EXPECT_EQ(Type(1, 1, "OFF"), 0);
    EXPECT_EQ(LastError(), 62000);
    EXPECT_EQ(Text(1, 1), "OFF");
    EXPECT_EQ(Text(1, 5), "");
    EXPECT_EQ(Text(1, 9), "...");
    EXPECT_EQ(FlagText(1, 1), "OFF");
    EXPECT_EQ(ParmColumns(1), Parms{});
}

TEST_F(AlarmValidation, DisabledAlarmRefusesEveryEditableColumn)
{
    for (int c = 2; c <= 9; ++c) {
        EXPECT_EQ(Type(8, c, c == 3 ? ">" : "1"), 0) << c;
        EXPECT_EQ(LastError(), 62007) << c;
    }
    EXPECT_EQ(Text(8, 3), "<");
    EXPECT_EQ(Text(8, 4), "0");
    EXPECT_EQ(Text(8, 7), "OFF");
    // The label and the parameter copies are never checked.
    for (int c : {0, 10, 13, 16}) {
        EXPECT_EQ(Type(8, c, "x"), 1) << c;
        EXPECT_EQ(LastError(), 0) << c;
    }
    EXPECT_EQ(Text(8, 10), "");
}

TEST_F(AlarmValidation, SetPointIsClampedIntoTheInputsDisplayRange)
{
    ASSERT_TRUE(Type(2, 1, "IN 11"));  // LCDLo "0", LCDUp "100.0"
    ASSERT_TRUE(Type(3, 1, "IN 12"));  // LCDLo "-20", LCDUp "250"
    struct Case {
        int row;
        const char* typed;
        const char* stored;
        unsigned id;
    };
    const Case cases[] = {
        {2, "150", "100.0", 62003}, {2, "50", "50", 0},         {2, "100.0", "100.0", 0},
        {2, "-3", "0", 62003},      {2, "0", "0", 0},           {2, "99.9", "99.9", 0},
        {3, "-20.5", "-20", 62003}, {3, "-19.5", "-19.5", 0},   {3, "251", "250", 62003},
        {3, "abc", "abc", 0},  // reads as 0, inside -20..250
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Type(c.row, 4, c.typed), c.id == 0) << c.typed;
        EXPECT_EQ(static_cast<unsigned>(LastError()), c.id) << c.typed;
        EXPECT_EQ(Text(c.row, 4), c.stored) << c.typed;
    }
}

TEST_F(AlarmValidation, ClampedSetPointIsSilentWithoutReport)
{
    ASSERT_TRUE(Type(2, 1, "IN 11"));
    EXPECT_EQ(Alarm().DoValidateData(2, 4, "150", 0), 1);
    EXPECT_EQ(LastError(), 0);
    EXPECT_EQ(Text(2, 4), "100.0");
}

TEST_F(AlarmValidation, SetPointEqualToItsLimitInSinglePrecisionIsAccepted)
{
    ASSERT_TRUE(Phys().ValidateData(1, 6, "100.1"));
    ASSERT_TRUE(Type(2, 1, "IN 11"));
    const char* accepted[] = {"100.1", "100.100001"};
    for (const char* typed : accepted) {
        EXPECT_EQ(Type(2, 4, typed), 1) << typed;
        EXPECT_EQ(Text(2, 4), typed);
    }
    EXPECT_EQ(Type(2, 4, "100.11"), 0);
    EXPECT_EQ(Text(2, 4), "100.1");
}

TEST_F(AlarmValidation, SetPointOfALogicalInputUsesItsDisplayRange)
{
    MakeLogical(1, "IN 12");
    ASSERT_TRUE(Type(9, 1, "LOG1"));
    EXPECT_EQ(ParmColumns(9), kIn12);
    EXPECT_EQ(Type(9, 4, "300"), 0);
    EXPECT_EQ(Text(9, 4), "250");
}

TEST_F(AlarmValidation, DelayMustLieBetweenPointThreeAnd918000Seconds)
{
    ASSERT_TRUE(Type(4, 1, "IN 11"));
    ASSERT_TRUE(Type(4, 6, "7"));
    struct Case {
        const char* typed;
        bool ok;
    };
    const Case cases[] = {
        {"0.29", false}, {"0.3", true},   {"918000", true}, {"918000.5", false},
        {"12.345", true}, {"abc", false}, {"-5", false},   {"5 s", true},
    };
    for (const auto& c : cases) {
        std::string before = Text(4, 6);
        EXPECT_EQ(Type(4, 6, c.typed), c.ok) << c.typed;
        EXPECT_EQ(static_cast<unsigned>(LastError()), c.ok ? 0u : 62004u) << c.typed;
        EXPECT_EQ(Text(4, 6), c.ok ? std::string(c.typed) : before) << c.typed;
    }
}

TEST_F(AlarmValidation, LedAndOutputAcceptOnlyTheirChoicesExactly)
{
    ASSERT_TRUE(Type(5, 1, "IN 12"));
    struct Case {
        int col;
        const char* typed;
        unsigned id;
    };
    const Case cases[] = {
        {7, "1", 0},        {7, "24", 0},       {7, "OFF", 0},    {7, "01", 62005}, {7, "25", 62005},
        {7, "off", 62005},  {8, "14", 0},       {8, "15", 62006}, {8, "7 ", 62006}, {8, "OFF", 0},
    };
    for (const auto& c : cases) {
        std::string before = Text(5, c.col);
        EXPECT_EQ(Type(5, c.col, c.typed), c.id == 0) << c.typed;
        EXPECT_EQ(static_cast<unsigned>(LastError()), c.id) << c.typed;
        EXPECT_EQ(Text(5, c.col), c.id ? before : std::string(c.typed)) << c.typed;
    }
}

TEST_F(AlarmValidation, LcdTextIsStoredAsTyped)
{
    ASSERT_TRUE(Type(5, 1, "IN 12"));
    EXPECT_EQ(Type(5, 5, " Pump 1 \xB0"), 1);
    EXPECT_EQ(Text(5, 5), " Pump 1 \xB0");
}

TEST_F(AlarmValidation, DynamicRangeNeedsAMatchingDynamicReference)
{
    MakeLogical(1, "IN 11");  // same parameters as IN 11
    MakeLogical(2, "IN 12");  // different ones
    ASSERT_TRUE(Type(1, 1, "IN 11"));

    EXPECT_EQ(Type(1, 3, "\xB1"), 0);
    EXPECT_EQ(LastError(), 62000);
    EXPECT_EQ(Text(1, 3), "<");
    ASSERT_TRUE(Type(1, 3, ">"));
    EXPECT_EQ(Type(1, 3, "\xB1"), 0);
    EXPECT_EQ(Text(1, 3), ">");

    EXPECT_EQ(Type(1, 2, "LOG2"), 0);
    EXPECT_EQ(LastError(), 62001);
    EXPECT_EQ(Text(1, 2), "OFF");
    EXPECT_EQ(Text(1, 3), "<");

    EXPECT_EQ(Type(1, 2, "LOG1"), 1);
    EXPECT_EQ(Text(1, 2), "LOG1");
    EXPECT_EQ(Text(1, 3), "\xB1");

    ASSERT_TRUE(Type(1, 3, "<"));
    EXPECT_EQ(Type(1, 3, "\xB1"), 1);
    EXPECT_EQ(Text(1, 3), "\xB1");

    EXPECT_EQ(Type(1, 2, "OFF"), 1);
    EXPECT_EQ(Text(1, 2), "OFF");
    EXPECT_EQ(Text(1, 3), "<");
}

TEST_F(AlarmValidation, DynamicRangeWithAStaleDynamicReferenceIsRefused)
{
    MakeLogical(2, "IN 12");
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    ASSERT_TRUE(Type(1, 3, ">"));
    Alarm().SetParm(1, 2, "LOG2");  // put in without a check
    ASSERT_EQ(Text(1, 2), "LOG2");
    EXPECT_EQ(Type(1, 3, "\xB1"), 0);
    EXPECT_EQ(LastError(), 62002);
    EXPECT_EQ(Text(1, 2), "OFF");
    EXPECT_EQ(Text(1, 3), ">");
}

TEST_F(AlarmValidation, ChangingTheInputReferenceDropsADynamicReferenceThatNoLongerMatches)
{
    MakeLogical(1, "IN 11");
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    ASSERT_TRUE(Type(1, 2, "LOG1"));
    EXPECT_EQ(Type(1, 1, "IN 12"), 0);
    EXPECT_EQ(LastError(), 62008);
    EXPECT_EQ(Text(1, 1), "IN 12");
    EXPECT_EQ(ParmColumns(1), kIn12);
    EXPECT_EQ(Text(1, 2), "OFF");
    EXPECT_EQ(Text(1, 3), "<");
}

TEST_F(AlarmValidation, ALogicalInputIsReferencedByItsShortName)
{
    MakeLogical(3, "IN 12");
    EXPECT_EQ(Type(7, 1, "log3"), 1);
    EXPECT_EQ(Text(7, 1), "LOG3");
    EXPECT_EQ(ParmColumns(7), kIn12);
    EXPECT_EQ(Items(7, 1), (std::vector<std::string>{"OFF", "IN 11", "IN 12", "LOG3"}));
    EXPECT_EQ(Items(7, 2), (std::vector<std::string>{"OFF", "LOG3"}));
}

}  // namespace

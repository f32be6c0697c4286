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
};

TEST_F(AlarmValidation, InputReferenceIsFoundFromWhatTheUserTypes)
{
    const std::pair<const char*, const char*> cases[] = {{"11", "IN 11"}, {"in 11", "IN 11"}, {"In 12", "IN 12"}};
    for (auto [typed, name] : cases) {
        Alarm().ResetChannel(4);
        EXPECT_EQ(Type(4, 1, typed), 1) << typed;
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
        {"13", 62010, false},  {"IX 11", 62000, false}, {"LOG1", 62011, false}, {"LOG9", 62011, false},
        {"1", 62000, true},    {"111", 62000, true},    {"ABC", 62000, true},   {"OFF", 62000, true},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Type(6, 1, "IN 11"));
        ASSERT_TRUE(Type(6, 4, "42"));
        SetFlags(6, "C");
        EXPECT_EQ(Type(6, 1, c.typed), 0) << c.typed;
        EXPECT_EQ(static_cast<unsigned>(LastError()), c.id) << c.typed;
        EXPECT_EQ(Text(6, 1), c.resets ? "OFF" : "IN 11") << c.typed;
        EXPECT_EQ(Text(6, 4), c.resets ? "0" : "42") << c.typed;
        EXPECT_EQ(Text(6, 9), c.resets ? "..." : "C") << c.typed;
        EXPECT_EQ(FlagText(6, 1), c.resets ? "OFF" : "ON") << c.typed;
        EXPECT_EQ(ParmColumns(6), c.resets ? Parms{} : kIn11) << c.typed;
        EXPECT_EQ(ItemsOf(6, 1), (Items{"OFF", "IN 11", "IN 12"})) << c.typed;
    }
}

TEST_F(AlarmValidation, DisabledAlarmRefusesEveryEditableColumn)
{
    for (int c = 2; c <= 9; ++c) {
        EXPECT_EQ(Type(8, c, c == 3 ? ">" : "1"), 0) << c;
        EXPECT_EQ(LastError(), 62007) << c;
    }
    EXPECT_EQ(Text(8, 3), "<");
    EXPECT_EQ(Text(8, 4), "0");
    for (int c : {0, 10, 16}) {
        EXPECT_EQ(Type(8, c, "x"), 1) << c;
        EXPECT_EQ(Text(8, c), c == 0 ? "8  (A22)" : "") << c;
    }
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
        {2, "150", "100.0", 62003}, {2, "99.9", "99.9", 0},   {2, "-3", "0", 62003},
        {3, "-20.5", "-20", 62003}, {3, "-19.5", "-19.5", 0}, {3, "251", "250", 62003},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Type(c.row, 4, c.typed), c.id == 0) << c.typed;
        EXPECT_EQ(static_cast<unsigned>(LastError()), c.id) << c.typed;
        EXPECT_EQ(Text(c.row, 4), c.stored) << c.typed;
    }
    // Without reporting, the clamp is silent and the value counts as valid.
    EXPECT_EQ(Alarm().DoValidateData(2, 4, "150", 0), 1);
    EXPECT_EQ(LastError(), 0);
    EXPECT_EQ(Text(2, 4), "100.0");
}

TEST_F(AlarmValidation, SetPointIsComparedWithItsLimitsInSinglePrecision)
{
    ASSERT_TRUE(Phys().ValidateData(1, 6, "100.1"));
    ASSERT_TRUE(Log().ValidateData(1, 1, "IN 11"));
    for (int row : {2, 3}) {
        ASSERT_TRUE(Type(row, 1, row == 2 ? "IN 11" : "LOG1"));
        for (const char* typed : {"100.1", "100.100001"}) {
            EXPECT_EQ(Type(row, 4, typed), 1) << typed;
            EXPECT_EQ(Text(row, 4), typed);
        }
        EXPECT_EQ(Type(row, 4, "100.11"), 0);
        EXPECT_EQ(Text(row, 4), "100.1");
    }
}

TEST_F(AlarmValidation, DelayMustLieBetweenPointThreeAnd918000Seconds)
{
    ASSERT_TRUE(Type(4, 1, "IN 11"));
    ASSERT_TRUE(Type(4, 6, "7"));
    const std::pair<const char*, bool> cases[] = {
        {"0.29", false}, {"0.3", true}, {"918000", true}, {"918000.5", false}, {"12.345", true}, {"abc", false},
    };
    for (auto [typed, ok] : cases) {
        std::string before = Text(4, 6);
        EXPECT_EQ(Type(4, 6, typed), ok) << typed;
        EXPECT_EQ(static_cast<unsigned>(LastError()), ok ? 0u : 62004u) << typed;
        EXPECT_EQ(Text(4, 6), ok ? std::string(typed) : before) << typed;
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
        {7, "24", 0}, {7, "01", 62005}, {7, "25", 62005}, {7, "off", 62005}, {7, "OFF", 0},
        {8, "14", 0}, {8, "15", 62006}, {8, "7 ", 62006},
    };
    for (const auto& c : cases) {
        std::string before = Text(5, c.col);
        EXPECT_EQ(Type(5, c.col, c.typed), c.id == 0) << c.typed;
        EXPECT_EQ(static_cast<unsigned>(LastError()), c.id) << c.typed;
        EXPECT_EQ(Text(5, c.col), c.id ? before : std::string(c.typed)) << c.typed;
    }
}

TEST_F(AlarmValidation, DynamicRangeNeedsAMatchingDynamicReference)
{
    ASSERT_TRUE(Log().ValidateData(1, 1, "IN 11"));  // same parameters as IN 11
    ASSERT_TRUE(Log().ValidateData(2, 1, "IN 12"));  // different ones
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    ASSERT_EQ(ItemsOf(1, 2), (Items{"OFF", "LOG1", "LOG2"}));
    struct Step {
        int col;
        const char* typed;
        unsigned id;
        const char* dynRef;
        const char* sign;
    };
    const Step steps[] = {
        {3, "\xB1", 62000, "OFF", "<"},  {3, ">", 0, "OFF", ">"},        {3, "\xB1", 62000, "OFF", ">"},
        {2, "LOG2", 62001, "OFF", "<"},  {2, "LOG1", 0, "LOG1", "\xB1"}, {3, "<", 0, "LOG1", "<"},
        {3, "\xB1", 0, "LOG1", "\xB1"},  {2, "OFF", 0, "OFF", "<"},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(Type(1, s.col, s.typed), s.id == 0) << s.col << " " << s.typed;
        EXPECT_EQ(static_cast<unsigned>(LastError()), s.id) << s.col << " " << s.typed;
        EXPECT_EQ(Text(1, 2), s.dynRef) << s.col << " " << s.typed;
        EXPECT_EQ(Text(1, 3), s.sign) << s.col << " " << s.typed;
    }
}

TEST_F(AlarmValidation, StaleDynamicReferencesAreDropped)
{
    ASSERT_TRUE(Log().ValidateData(1, 1, "IN 11"));
    ASSERT_TRUE(Log().ValidateData(2, 1, "IN 12"));
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    ASSERT_TRUE(Type(1, 3, ">"));
    Alarm().SetParm(1, 2, "LOG2");  // put in without a check
    EXPECT_EQ(Type(1, 3, "\xB1"), 0);
    EXPECT_EQ(LastError(), 62002);
    EXPECT_EQ(Text(1, 2), "OFF");
    EXPECT_EQ(Text(1, 3), ">");

    // A new input reference that LOG1 does not match drops it.
    ASSERT_TRUE(Type(1, 2, "LOG1"));
    EXPECT_EQ(Type(1, 1, "IN 12"), 0);
    EXPECT_EQ(LastError(), 62008);
    EXPECT_EQ(Text(1, 1), "IN 12");
    EXPECT_EQ(ParmColumns(1), kIn12);
    EXPECT_EQ(Text(1, 2), "OFF");
    EXPECT_EQ(Text(1, 3), "<");
}

}  // namespace

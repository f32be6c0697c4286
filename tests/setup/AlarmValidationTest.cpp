// Alarm edits as a user types them: input reference, dynamic reference and sign, set point,
// delay, LED and output, the Flags dialog, and the refusals of a disabled alarm.
#include "SetupScenario.h"

#include "model/StringTable.h"

namespace {

class AlarmValidation : public SetupScenario {
protected:
    void SetUp() override
    {
        SetupScenario::SetUp();
        SetPhysical(1, kIn11);
        SetPhysical(2, kIn12);
    }
};

// The input reference typed over "IN 11"; a text that names no input puts the row back to its defaults.
TEST_F(AlarmValidation, InputReferenceIsFoundFromWhatTheUserTypes)
{
    struct Case { const char* typed; unsigned id; const char* inpRef; };
    const Case cases[] = {
        {"11", 0, "IN 11"},        {"in 11", 0, "IN 11"},    {"In 12", 0, "IN 12"},    {"13", 62010, "IN 11"},
        {"IX 11", 62000, "IN 11"}, {"LOG1", 62011, "IN 11"}, {"LOG9", 62011, "IN 11"}, {"1", 62000, "OFF"},
        {"111", 62000, "OFF"},     {"ABC", 62000, "OFF"},    {"OFF", 62000, "OFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ASSERT_TRUE(Type(6, 1, "IN 11"));
        ASSERT_TRUE(Type(6, 4, "42"));
        SetFlags(6, "C");
        const std::string inpRef = c.inpRef;
        EXPECT_EQ(Type(6, 1, c.typed), c.id == 0);
        EXPECT_EQ(static_cast<unsigned>(LastError()), c.id);
        EXPECT_EQ(Text(6, 1), inpRef);
        EXPECT_EQ(Text(6, 4), inpRef == "OFF" ? "0" : "42");
        EXPECT_EQ(Text(6, 9), inpRef == "OFF" ? "..." : "C");
        EXPECT_EQ(FlagText(6, 1), inpRef == "OFF" ? "OFF" : "ON");
        EXPECT_EQ(ParmColumns(6), inpRef == "OFF" ? Parms{} : inpRef == "IN 11" ? kIn11 : kIn12);
        EXPECT_EQ(ItemsOf(6, 1), (Items{"OFF", "IN 11", "IN 12"}));
    }
}

// Refused values keep the last one, except set points, which are clamped into the display range.
TEST_F(AlarmValidation, ValuesOutsideTheirRangesAreRefused)
{
    ASSERT_TRUE(Type(2, 1, "IN 11"));  // LCDLo "0", LCDUp "100.0"
    ASSERT_TRUE(Type(3, 1, "IN 12"));  // LCDLo "-20", LCDUp "250"
    struct Case { int row; int col; const char* typed; unsigned id; const char* stored; };
    const Case cases[] = {
        {2, 4, "150", 62003, "100.0"}, {2, 4, "99.9", 0, "99.9"}, {2, 4, "-3", 62003, "0"},
        {3, 4, "-20.5", 62003, "-20"}, {3, 4, "-19.5", 0, "-19.5"}, {3, 4, "251", 62003, "250"},
        {2, 6, "7", 0, "7"}, {2, 6, "0.29", 62004, "7"}, {2, 6, "0.3", 0, "0.3"}, {2, 6, "918000", 0, "918000"},
        {2, 6, "918000.5", 62004, "918000"}, {2, 6, "12.345", 0, "12.345"}, {2, 6, "abc", 62004, "12.345"},
        {3, 7, "24", 0, "24"}, {3, 7, "01", 62005, "24"}, {3, 7, "25", 62005, "24"}, {3, 7, "off", 62005, "24"},
        {3, 7, "OFF", 0, "OFF"}, {3, 8, "14", 0, "14"}, {3, 8, "15", 62006, "14"}, {3, 8, "7 ", 62006, "14"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.col) + " " + c.typed);
        EXPECT_EQ(Type(c.row, c.col, c.typed), c.id == 0);
        EXPECT_EQ(static_cast<unsigned>(LastError()), c.id);
        EXPECT_EQ(Text(c.row, c.col), c.stored);
    }
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

TEST_F(AlarmValidation, DynamicRangeNeedsAMatchingDynamicReference)
{
    ASSERT_TRUE(Log().ValidateData(1, 1, "IN 11"));  // same parameters as IN 11
    ASSERT_TRUE(Log().ValidateData(2, 1, "IN 12"));  // different ones
    ASSERT_TRUE(Type(1, 1, "IN 11"));
    ASSERT_EQ(ItemsOf(1, 2), (Items{"OFF", "LOG1", "LOG2"}));
    struct Step { int col; const char* typed; unsigned id; const char* dynRef; const char* sign; };
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

TEST_F(AlarmValidation, DisabledAlarmRefusesEveryEditableColumnAndTheFlagsDialog)
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
    PropList props;
    EXPECT_EQ(Alarm().GetPopupProperties(3, 9, props), 0);
    EXPECT_TRUE(props.empty());
    ASSERT_EQ(prompt.Messages().size(), 1u);
    EXPECT_EQ(prompt.Messages()[0].text, LoadString(62007));
    // While downloading the refusal is silent.
    prompt.Clear();
    Alarm().Error(0, 0, 0);
    Alarm().SetTransState(1);
    props.push_back(std::make_unique<CNdChnData>(*Alarm().GetFlagCell(3, 0)));
    props[0]->SetSelText("ON");
    Alarm().UpdateProperties(4, 9, props);
    EXPECT_EQ(LastError(), 62007);
    EXPECT_EQ(FlagText(4, 0), "OFF");
    EXPECT_TRUE(prompt.Messages().empty());
}

TEST_F(AlarmValidation, FlagsDialogSummarisesTheFlagsAndWarnsAboutBlockWhileGeneralBlockIsOff)
{
    ASSERT_TRUE(Type(2, 1, "IN 11"));
    // The General setting makes Block read-only; the dialog offers it for editing anyway.
    ASSERT_TRUE(General().ValidateData(11, 1, "OFF"));
    ASSERT_EQ(Alarm().GetFlagCell(1, 0)->m_bEditable, 0);
    PropList props;
    ASSERT_EQ(Alarm().GetPopupProperties(2, 9, props), 1);
    EXPECT_EQ(props[0]->m_bEditable, 1);
    EXPECT_EQ(Alarm().GetFlagCell(1, 0)->m_bEditable, 1);

    prompt.Clear();
    SetFlags(2, "BH");
    EXPECT_EQ(Text(2, 9), "BH");
    EXPECT_EQ(FlagText(2, 0), "ON");
    EXPECT_EQ(FlagText(2, 1), "OFF");
    ASSERT_EQ(prompt.Messages().size(), 1u);
    EXPECT_EQ(prompt.Messages()[0].text, LoadString(62009));
    EXPECT_TRUE(prompt.Messages()[0].exclamation);

    ASSERT_TRUE(General().ValidateData(11, 1, "+REF"));
    prompt.Clear();
    SetFlags(2, "BCH");
    EXPECT_EQ(Text(2, 9), "BCH");
    EXPECT_TRUE(prompt.Messages().empty());
}

}  // namespace

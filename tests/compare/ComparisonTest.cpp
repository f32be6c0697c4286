// Two set-ups compared cell by cell, and one taking another's texts over through its rules.
#include "compare/CSetupComparison.h"
#include "compare/CSetupTyping.h"
#include "compare/CUnitVerification.h"
#include "support/RecordingPrompt.h"
#include "unit/CQ4kUnit.h"
#include "unit/CUnitImage.h"

#include <gtest/gtest.h>

namespace {

struct Edit {
    int sheet, row, col;
    const char* text;
};

// Physical input 3 and two alarms on it, a logical input, a flag and a device number.
const Edit kEdits[] = {
    {0, 3, 1, "33"},       {1, 3, 1, "10 V"},     {1, 3, 5, "10"},      {1, 3, 6, "100"},
    {2, 2, 1, "IN 13"},    {3, 5, 1, "IN 13"},    {3, 5, 4, "40"},      {3, 5, 5, "TANK"},
    {3, 6, 1, "IN 13"},    {3, 6, 6, "2"},
};

class Comparison : public ::testing::Test {
protected:
    void SetUp() override
    {
        mine.Initialize();
        theirs.Initialize();
        for (const Edit& e : kEdits)
            ASSERT_TRUE(theirs.GetSetupType(e.sheet)->ValidateData(e.row, e.col, e.text)) << e.text;
        std::vector<CellText> flag = {{3, 5, 1, true, "ON"}};
        ASSERT_TRUE(CSetupTyping::Type(theirs, flag).empty());
    }

    RecordingPrompt prompt;
    CQ4kUnit mine{prompt};
    CQ4kUnit theirs{prompt};
};

}  // namespace

// Every cell the edits changed, and no other: the device number, IN 13's type and range, LOG2's
// input and the parameters it copies, the two alarms with their copied parameters, A15's text,
// set point and flag, A16's delay.
TEST_F(Comparison, NamesEachDifferenceAsTheGridsDo)
{
    std::vector<std::tuple<std::string, std::string, std::string, std::string, std::string>> seen;
    for (const CellDifference& d : CSetupComparison::Compare(mine, theirs))
        seen.emplace_back(d.sheetTitle, d.channel, d.column, d.textA, d.textB);
    const std::vector<std::tuple<std::string, std::string, std::string, std::string, std::string>> expected = {
        {"General", "Device Number", "Selections  ", "1", "33"},
        {"Physical Input", "IN 13", "InpTp", "OFF", "10 V"},
        {"Physical Input", "IN 13", "InpUp", "0", "10"},
        {"Physical Input", "IN 13", "LCDUp", "0", "100"},
        {"Logical Input", "LOG2 (1B)", "I1", "OFF", "IN 13"},
        {"Logical Input", "LOG2 (1B)", "InpTp", "", "10 V"},
        {"Logical Input", "LOG2 (1B)", "InpLo", "", "0"},
        {"Logical Input", "LOG2 (1B)", "LCDLo", "", "0"},
        {"Logical Input", "LOG2 (1B)", "InpUp", "", "10"},
        {"Logical Input", "LOG2 (1B)", "LCDUp", "", "100"},
        {"Logical Input", "LOG2 (1B)", "Misc.", "", "0"},
        {"Alarm", "5  (A15)", "InpRef", "OFF", "IN 13"},
        {"Alarm", "5  (A15)", "SetPoint", "0", "40"},
        {"Alarm", "5  (A15)", "LCD Text", "", "TANK"},
        {"Alarm", "5  (A15)", "Flags", "...", "C"},
        {"Alarm", "5  (A15)", "InpTp", "", "10 V"},
        {"Alarm", "5  (A15)", "InpLo", "", "0"},
        {"Alarm", "5  (A15)", "LCDLo", "", "0"},
        {"Alarm", "5  (A15)", "InpUp", "", "10"},
        {"Alarm", "5  (A15)", "LCDUp", "", "100"},
        {"Alarm", "5  (A15)", "Misc.", "", "0"},
        {"Alarm", "6  (A16)", "InpRef", "OFF", "IN 13"},
        {"Alarm", "6  (A16)", "Delay (s)", "0.3", "2"},
        {"Alarm", "6  (A16)", "InpTp", "", "10 V"},
        {"Alarm", "6  (A16)", "InpLo", "", "0"},
        {"Alarm", "6  (A16)", "LCDLo", "", "0"},
        {"Alarm", "6  (A16)", "InpUp", "", "10"},
        {"Alarm", "6  (A16)", "LCDUp", "", "100"},
        {"Alarm", "6  (A16)", "Misc.", "", "0"},
        {"Alarm", "5  (A15)", "Control", "OFF", "ON"},
    };
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(CSetupComparison::Compare(theirs, theirs).empty());
}

// What a person set, once: no copied parameters of IN 13 on LOG2 and the alarms, and A15's flag
// by its name rather than also as the Flags summary.
TEST_F(Comparison, SettingsOnlyListsWhatAPersonSetOnce)
{
    std::vector<std::tuple<std::string, std::string>> seen;
    for (const CellDifference& d : CSetupComparison::SettingsOnly(theirs, CSetupComparison::Compare(mine, theirs)))
        seen.emplace_back(d.channel, d.column);
    const std::vector<std::tuple<std::string, std::string>> expected = {
        {"Device Number", "Selections  "}, {"IN 13", "InpTp"},        {"IN 13", "InpUp"},
        {"IN 13", "LCDUp"},                {"LOG2 (1B)", "I1"},       {"5  (A15)", "InpRef"},
        {"5  (A15)", "SetPoint"},          {"5  (A15)", "LCD Text"},  {"6  (A16)", "InpRef"},
        {"6  (A16)", "Delay (s)"},         {"5  (A15)", "Control"},
    };
    EXPECT_EQ(seen, expected);
}

TEST_F(Comparison, TakingEverySheetOverLeavesNoDifferenceAndTheSameBlocks)
{
    // In the other order of sheets the alarms would refuse an input that is not set up yet.
    for (int sheet : {ST_ALARM, ST_GENERAL, ST_PHYSICAL, ST_LOGICAL}) {
        std::vector<TypingRefusal> refused = CSetupTyping::Type(mine, CSetupTyping::TextsOf(theirs, sheet));
        if (sheet == ST_ALARM)
            EXPECT_FALSE(refused.empty());
        else
            EXPECT_TRUE(refused.empty()) << refused.front().message;
    }
    EXPECT_FALSE(CSetupComparison::Compare(mine, theirs).empty());
    EXPECT_TRUE(CSetupTyping::Type(mine, CSetupTyping::TextsOf(theirs, -1)).empty());
    EXPECT_TRUE(CSetupComparison::Compare(mine, theirs).empty());
    EXPECT_EQ(CUnitImage::FromUpload(mine, nullptr), CUnitImage::FromUpload(theirs, nullptr));
}

// Against a unit that holds the defaults: every difference shows two different texts (a delay
// the unit holds for an alarm it has off reads back as typed), the document's own text first.
TEST_F(Comparison, VerificationListsOnlyCellsWhoseTextsDiffer)
{
    const CUnitImage held = CUnitImage::FromUpload(mine, nullptr);
    CUnitVerification verification(theirs, held);
    EXPECT_FALSE(verification.UnitHoldsSetup());
    bool device = false;
    for (const CellDifference& d : verification.GetDifferences()) {
        EXPECT_NE(d.textA, d.textB) << d.channel << " " << d.column;
        if (!d.flag) {
            EXPECT_EQ(d.textA, theirs.GetSetupType(d.sheet)->GetCellText(d.row, d.col)) << d.channel << " " << d.column;
        }
        device = device || (d.sheet == ST_GENERAL && d.textA == "33" && d.textB == "1");
    }
    EXPECT_TRUE(device);
    EXPECT_TRUE(CUnitVerification(mine, held).UnitHoldsSetup());
}

namespace {

// The edits a tester made through today's command line before number cells took numbers only:
// each was stored as typed.
const Edit kLegacyTexts[] = {
    {1, 1, 1, "10 V"}, {1, 1, 4, "xyz"}, {1, 1, 6, "12abc"}, {1, 1, 7, "-"},
    {3, 1, 1, "IN 11"}, {3, 1, 4, "abc"}, {3, 1, 6, "2,5"}, {0, 3, 1, "12x"},
};

using Cell = std::tuple<int, int, int, std::string, std::string>;

std::vector<Cell> CellsOf(const std::vector<CellDifference>& differences)
{
    std::vector<Cell> cells;
    for (const CellDifference& d : differences)
        cells.emplace_back(d.sheet, d.row, d.col, d.textA, d.textB);
    return cells;
}

}  // namespace

// Uploaded, such a set-up leaves blocks that read back the same, yet the unit holds none of
// those texts: each is a difference, shown with what the unit holds.
TEST_F(Comparison, VerificationNamesTextsTheUnitCannotHold)
{
    for (const Edit& e : kLegacyTexts)
        ASSERT_TRUE(mine.GetSetupType(e.sheet)->ValidateData(e.row, e.col, e.text)) << e.text;
    const CUnitImage held = CUnitImage::FromUpload(mine, nullptr);
    CUnitVerification verification(mine, held);
    EXPECT_TRUE(verification.GetBlocksDiffering().empty());
    EXPECT_FALSE(verification.UnitHoldsSetup());
    const std::vector<Cell> expected = {
        {0, 3, 1, "12x", "12"}, {1, 1, 4, "xyz", "0"}, {1, 1, 6, "12abc", "12"}, {1, 1, 7, "-", "0"},
        {3, 1, 4, "abc", "0"}, {3, 1, 6, "2,5", "2"},
    };
    EXPECT_EQ(CellsOf(verification.GetDifferences()), expected);
    EXPECT_EQ(CellsOf(CSetupComparison::NotHeldExactly(mine)), expected);
}

// " 0" for "0", "0.300" for "0.3" and an LCD text padded with blanks put the same bytes into
// the unit: no difference, unless every text is asked for. "1.0" and "1" do not.
TEST_F(Comparison, TextsTheUnitHoldsAlikeAreNoDifference)
{
    const Edit spelled[] = {{0, 14, 1, " 0"}, {3, 7, 6, "0.300"}, {3, 8, 5, "PUMP      "}, {1, 1, 6, "1.0"}};
    const Edit plain[] = {{0, 14, 1, "0"}, {3, 7, 6, "0.3"}, {3, 8, 5, "PUMP"}, {1, 1, 6, "1"}};
    for (const Edit& e : spelled)
        theirs.GetSetupType(e.sheet)->GetProperty(e.row, e.col)->SetText(e.text);
    mine.CopyFrom(theirs);
    for (const Edit& e : plain)
        mine.GetSetupType(e.sheet)->GetProperty(e.row, e.col)->SetText(e.text);
    EXPECT_EQ(CellsOf(CSetupComparison::Compare(mine, theirs)), (std::vector<Cell>{{1, 1, 6, "1", "1.0"}}));
    EXPECT_EQ(CSetupComparison::Compare(mine, theirs, true).size(), 4u);
}

// Taking from the unit brings what it holds, not how it writes it.
TEST_F(Comparison, TakingFromTheUnitKeepsTheSetupsOwnSpelling)
{
    ASSERT_TRUE(mine.GetSetupType(3)->EnterText(5, 5, "PUMP") == 0);  // alarm 5 is off here
    ASSERT_TRUE(theirs.GetSetupType(3)->EnterText(5, 5, "PUMP"));
    CQ4kUnit unit(prompt);
    unit.Initialize();
    CUnitImage::FromUpload(theirs, nullptr).TakeApartInto(unit);
    ASSERT_EQ(unit.GetSetupType(0)->GetCellText(14, 1), " 0");
    ASSERT_EQ(unit.GetSetupType(3)->GetCellText(5, 5), "PUMP      ");
    EXPECT_TRUE(CSetupTyping::Type(mine, CSetupTyping::TextsOf(unit, -1), Spelling::Own).empty());
    EXPECT_EQ(CellsOf(CSetupComparison::Compare(mine, theirs, true)), std::vector<Cell>{});
}

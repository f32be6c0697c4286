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

TEST_F(Comparison, NamesEachDifferenceAsTheGridsDo)
{
    std::vector<std::tuple<std::string, std::string, std::string, std::string, std::string>> seen;
    for (const CellDifference& d : CSetupComparison::Compare(mine, theirs))
        seen.emplace_back(d.sheetTitle, d.channel, d.column, d.textA, d.textB);
    EXPECT_NE(std::find(seen.begin(), seen.end(), std::make_tuple("Physical Input", "IN 13", "InpTp", "OFF", "10 V")),
              seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), std::make_tuple("Alarm", "5  (A15)", "LCD Text", "", "TANK")),
              seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), std::make_tuple("Alarm", "5  (A15)", "Control", "OFF", "ON")),
              seen.end());
    EXPECT_TRUE(CSetupComparison::Compare(theirs, theirs).empty());
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

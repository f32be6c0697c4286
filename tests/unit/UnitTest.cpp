// The unit: sheets after Initialize, the error record, units side by side each with its own
// registry, copies of a whole set-up, and resets one after another.
#include "model/CDocumentFile.h"
#include "model/StringTable.h"
#include "setup/logical/CLogicalInput.h"
#include "setup/physical/CPhysicalInput.h"
#include "support/RecordingPrompt.h"
#include "unit/CQ4kUnit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Items = std::vector<std::string>;

// A unit with its default sheets.
struct Unit {
    RecordingPrompt prompt;
    CQ4kUnit unit{prompt};
    Unit() { unit.Initialize(); }
    CNordaSetupType& Type(int t) { return *unit.GetSetupType(t); }
    // Switches physical channel s on as a user types it.
    void ChannelOn(int s)
    {
        EXPECT_EQ(Type(ST_PHYSICAL).ValidateData(s, 1, "10 V"), 1);
        EXPECT_EQ(Type(ST_PHYSICAL).ValidateData(s, 5, "10"), 1);
    }
    Items Offered() { return Type(ST_LOGICAL).GetProperty(3, 1)->GetData(); }
    // Channels 1 and 2 on, LOG1 made of IN 11, alarm 1 on LOG1 with one of its flags set.
    void AlarmOnLog1(size_t flag)
    {
        ChannelOn(1);
        ChannelOn(2);
        ASSERT_EQ(Type(ST_LOGICAL).ValidateData(1, 1, "IN 11"), 1);
        ASSERT_EQ(Type(ST_ALARM).ValidateData(1, 1, "LOG1"), 1);
        PropList flags;
        ASSERT_EQ(Type(ST_ALARM).GetPopupProperties(1, 9, flags), 1);
        flags[flag]->SetSelText("ON");
        Type(ST_ALARM).UpdateProperties(1, 9, flags);
    }
};

const Items kNone = {"OFF"};
const Items kBoth = {"OFF", "IN 11", "IN 12"};

}  // namespace

TEST(Unit, SheetsExistOnlyAfterInitialize)
{
    RecordingPrompt prompt;
    CQ4kUnit unit(prompt);
    std::unique_ptr<CDataSheet> sheet;
    EXPECT_EQ(unit.GetDataSheet(ST_GENERAL, sheet), 0);
    unit.Initialize();
    ASSERT_EQ(unit.GetDataSheet(ST_GENERAL, sheet), 1);
    CDataSheet* own = unit.GetSetupType(ST_GENERAL)->GetSheet();
    ASSERT_EQ(sheet->GetNumSections(), own->GetNumSections());
    for (int s = 0; s < own->GetNumSections(); ++s)
        EXPECT_EQ(sheet->GetSection(s), own->GetSection(s));
    sheet.reset();
    EXPECT_EQ(own->GetProperty(1, 1)->GetDataAsString(), "OFF");
}

TEST(Unit, ErrorIsShownOnceForARepeatedRowAndId)
{
    Unit u;
    CNordaSetupType& type = u.Type(ST_GENERAL);
    const struct { int arg; unsigned id; int show; size_t shownAfter; } steps[] = {
        {5, 62012, 1, 1}, {5, 62012, 1, 1}, {6, 62012, 1, 2}, {6, 62003, 1, 3},
        {5, 62012, 0, 3}, {5, 62012, 1, 3}, {9, 0, 1, 3},
    };
    for (const auto& s : steps) {
        type.Error(s.arg, s.id, s.show);
        EXPECT_EQ(u.prompt.Messages().size(), s.shownAfter) << s.arg << " " << s.id;
        EXPECT_EQ(static_cast<unsigned>(type.GetLastError()), s.id);
    }
    EXPECT_EQ(u.prompt.Messages()[2].text, LoadString(62003));
}

TEST(UnitsSideBySide, EditsCutsAndLoadsStayInTheirOwnUnit)
{
    auto first = std::make_unique<Unit>();
    Unit second;
    first->ChannelOn(1);
    first->ChannelOn(2);
    EXPECT_EQ(first->Offered(), kBoth);
    EXPECT_EQ(second.Offered(), kNone);

    second.ChannelOn(1);
    first->Type(ST_PHYSICAL).ResetChannel(1);
    EXPECT_EQ(first->Offered(), (Items{"OFF", "IN 12"}));
    EXPECT_EQ(second.Offered(), (Items{"OFF", "IN 11"}));

    // The second unit reads the first one's file; edits then go on apart.
    CDocumentFile file;
    q4::Status loaded = file.LoadBytes(second.unit, CDocumentFile::SaveBytes(first->unit), "first.q4g");
    ASSERT_TRUE(loaded) << loaded.Reason();
    EXPECT_EQ(second.Offered(), (Items{"OFF", "IN 12"}));
    first.reset();
    second.ChannelOn(1);
    EXPECT_EQ(second.Offered(), kBoth);
}

TEST(UnitCopy, ACopyHoldsTheWholeSetUpAndFollowsItsOwnRules)
{
    Unit original;
    original.AlarmOnLog1(2);

    Unit copy;
    copy.unit.CopyFrom(original.unit);
    EXPECT_EQ(CDocumentFile::SaveBytes(copy.unit), CDocumentFile::SaveBytes(original.unit));

    // The copy's edits reach the copy's sheets only.
    ASSERT_EQ(copy.Type(ST_PHYSICAL).ValidateData(1, 1, "OFF"), 1);
    EXPECT_EQ(copy.Type(ST_LOGICAL).GetCellText(1, 1), "OFF");
    EXPECT_EQ(copy.Type(ST_ALARM).GetCellText(1, 1), "OFF");
    EXPECT_EQ(original.Type(ST_LOGICAL).GetCellText(1, 1), "IN 11");
    EXPECT_EQ(original.Type(ST_ALARM).GetCellText(1, 9), "H");
}

// A unit reset over and over (a document opened after another) keeps its defaults from the
// second reset on and copies them into its cells: every reset must still give the default set-up.
TEST(UnitReset, EveryResetGivesTheDefaultSetUpAndTheCaptionsOfThePhysicalSheet)
{
    Unit fresh;
    const std::vector<uint8_t> defaults = CDocumentFile::SaveBytes(fresh.unit);
    Unit u;
    for (int round = 0; round < 3; ++round) {
        u.AlarmOnLog1(0);
        ASSERT_EQ(u.Type(ST_PHYSICAL).ValidateData(1, 2, "kPa"), 1);
        u.unit.Initialize();
        EXPECT_EQ(CDocumentFile::SaveBytes(u.unit), defaults) << round;
        auto* physical = dynamic_cast<CPhysicalInput*>(u.unit.GetSetupType(ST_PHYSICAL));
        EXPECT_EQ(physical->GetUnitList()->GetData(),
                  dynamic_cast<CPhysicalInput*>(fresh.unit.GetSetupType(ST_PHYSICAL))->GetUnitList()->GetData());
    }

    // A file damaged inside the logical inputs leaves them at their defaults, captioned as the
    // physical sheet read just before.
    fresh.Type(ST_PHYSICAL).GetProperty(0, 2)->SetText("Unit");
    std::vector<uint8_t> damaged = CDocumentFile::SaveBytes(fresh.unit);
    const std::string title = "\x0DLogical Input";
    auto at = std::search(damaged.begin(), damaged.end(), title.begin(), title.end());
    ASSERT_NE(at, damaged.end());
    damaged.erase(at + 40, damaged.end());
    CDocumentFile file;
    EXPECT_FALSE(file.LoadBytes(u.unit, damaged, "damaged.q4g"));
    EXPECT_EQ(u.Type(ST_LOGICAL).GetCellText(0, CLogicalInput::FIRST_PARM + 1), "Unit");
    EXPECT_EQ(u.Type(ST_LOGICAL).GetCellText(1, 1), "OFF");
}

// What a download cannot show as the unit holds it, and what a file holds that the unit cannot:
// each named cell with the two texts and, where they do not say it, why.
#include "compare/CHeldCells.h"
#include "compare/CSetupComparison.h"
#include "compare/CUnitVerification.h"
#include "setup/alarms/CAlarm.h"
#include "support/RecordingPrompt.h"
#include "unit/CQ4kUnit.h"
#include "unit/CUnitImage.h"
#include "unit/CellSweep.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Named {
    int sheet, row, col;
    bool flag;
    std::string textA, textB;
    bool hasReason;
    bool operator==(const Named&) const = default;
};

void PrintTo(const Named& n, std::ostream* out)
{
    *out << n.sheet << ' ' << n.row << ' ' << n.col << (n.flag ? " flag" : "") << ": " << n.textA << " -> " << n.textB
         << (n.hasReason ? " (reason)" : "");
}

std::vector<Named> Of(const std::vector<CellDifference>& cells)
{
    std::vector<Named> named;
    for (const CellDifference& d : cells)
        named.push_back({d.sheet, d.row, d.col, d.flag, d.textA, d.textB, !d.reason.empty()});
    return named;
}

class HeldCells : public ::testing::Test {
protected:
    void SetUp() override
    {
        typed.Initialize();
        // IN 11, 10 V shown 10 to 100; alarm A11 on it at 50 after 2.5 s; LOG1 on IN 11.
        const struct { int sheet, row, col; const char* text; } edits[] = {
            {1, 1, 1, "10 V"}, {1, 1, 5, "10"}, {1, 1, 4, "10"}, {1, 1, 6, "100"}, {2, 1, 1, "IN 11"},
            {3, 1, 1, "IN 11"}, {3, 1, 4, "50"}, {3, 1, 6, "2.5"}, {3, 1, 5, "TANK"},
        };
        for (const auto& e : edits)
            ASSERT_TRUE(typed.GetSetupType(e.sheet)->ValidateData(e.row, e.col, e.text)) << e.text;
        uploaded = CUnitImage::FromUpload(typed, nullptr);
    }

    // The typed set-up's blocks with a change, downloaded: the cells named.
    std::vector<Named> Download(const std::function<void(CUnitImage&)>& change)
    {
        CUnitImage held = uploaded;
        change(held);
        CQ4kUnit downloaded(prompt);
        downloaded.Initialize();
        held.TakeApartInto(downloaded);
        return Of(CHeldCells::NotShownAsHeld(downloaded, held));
    }

    RecordingPrompt prompt;
    CQ4kUnit typed{prompt};
    CUnitImage uploaded;
};

}  // namespace

// Downloaded as uploaded, a typed set-up names nothing: a delay of 2.5 s comes back as 2.5.
TEST_F(HeldCells, ATypedSetupComesBackWithNothingNamed)
{
    EXPECT_EQ(Download([](CUnitImage&) {}), std::vector<Named>{});
}

// Each value the sheets cannot show as the unit holds it, with the unit's value first; and the
// cells whose value follows from it (the alarm on an input that can no longer be on).
TEST_F(HeldCells, ValuesTheSheetsCannotShowAreNamedWithTheUnitsValue)
{
    struct Case {
        const char* what;
        int slot, block, byte;
        uint8_t value;
        std::vector<Named> named;
    } const cases[] = {
        {"an input type code the program does not know", 1, 0, 0, 0x59,
         {{1, 1, 1, false, "code 89", "OFF", true}, {1, 1, 4, false, "10", "0", false},
          {1, 1, 5, false, "10", "0", false}, {1, 1, 6, false, "100", "0", false},
          {2, 1, 1, false, "IN 11", "OFF", false}, {2, 1, 13, false, "10 V", "", false},
          {2, 1, 16, false, "10", "", false}, {2, 1, 17, false, "10", "", false}, {2, 1, 18, false, "100", "", false},
          {3, 1, 1, false, "IN 11", "OFF", false}, {3, 1, 4, false, "50", "0", false},
          {3, 1, 5, false, "TANK", "", false}, {3, 1, 6, false, "2.5", "0.3", false}}},
        {"an alarm on an input that is off", 3, 0, 0, 2, {{3, 1, 1, false, "IN 13", "OFF", false},
          {3, 1, 4, false, "50", "0", false}, {3, 1, 5, false, "TANK", "", false}, {3, 1, 6, false, "2.5", "0.3", false}}},
        {"a logical input beyond the sheet's", 3, 0, 0, 33, {{3, 1, 1, false, "LOG10", "OFF", false},
          {3, 1, 4, false, "50", "0", false}, {3, 1, 5, false, "TANK", "", false}, {3, 1, 6, false, "2.5", "0.3", false}}},
        {"an LED code beyond the list", 3, 0, 6, 40, {{3, 1, 7, false, "code 40", "OFF", true}}},
        {"a zero byte in the LCD text", 3, 0, 11, 0, {{3, 1, 5, false, std::string("TA\0K", 4), "TA", false}}},
        {"bytes the program leaves unused", 3, 0, 25, 7, {{3, 1, 0, false, "000000000000070000000000000000", "", true}}},
        {"a flag bit the program does not use", 3, 0, 8, 0x01, {{3, 1, 0, false, "000000000000000000000000000001", "", true}}},
        {"a dynamic range without the below bit", 3, 0, 3, 0x40, {{3, 1, 3, false, "code 64", "\xB1", true}}},
        {"a General choice of no code", 0, 0, 8, 7, {{0, 4, 1, false, "code 7", "NORDA BUS", true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Download([&c](CUnitImage& held) { held.GetBlocks(c.slot)[static_cast<size_t>(c.block)][static_cast<size_t>(c.byte)] = c.value; }),
                  c.named);
    }
}

// Values the download shows as held though the sheets refuse them typed: named with the cell's
// text on both sides and the rule as the reason; an upload writes them back unchanged.
TEST_F(HeldCells, ValuesShownAsHeldThatTheSheetsRefuseAreNamedWithTheRule)
{
    struct Case {
        const char* what;
        int slot, block, byte;
        uint8_t value;
        Named named;
    } const cases[] = {
        {"a set point below the display range", 3, 0, 1, 5, {3, 1, 4, false, "5", "5", true}},
        {"a delay under 0.3 s", 3, 0, 4, 10, {3, 1, 6, false, "0.100", "0.100", true}},
        {"an input range beyond the input type's", 1, 0, 7, 30, {1, 1, 5, false, "30", "30", true}},
        {"a device number beyond 62", 0, 0, 12, 63, {0, 3, 1, false, "63", "63", true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CUnitImage held = uploaded;
        held.GetBlocks(c.slot)[static_cast<size_t>(c.block)][static_cast<size_t>(c.byte)] = c.value;
        if (c.slot == 3 && c.byte == 4)
            held.GetBlocks(3)[0][5] = 0;  // hundredths
        CQ4kUnit downloaded(prompt);
        downloaded.Initialize();
        held.TakeApartInto(downloaded);
        std::vector<Named> named = Of(CHeldCells::NotShownAsHeld(downloaded, held));
        ASSERT_FALSE(named.empty());
        EXPECT_EQ(named.front(), c.named);
    }
}

// A file's texts the unit cannot hold are named, whatever made them: what the unit holds of
// them as a download shows it; and verify counts each as a difference though the blocks agree.
TEST_F(HeldCells, AFilesTextsTheUnitCannotHoldAreNamedAndDiffer)
{
    struct Case {
        const char* what;
        int sheet, row, col;
        bool flag;
        std::string text;
        std::string held;
    } const cases[] = {
        {"a reference with a flipped letter", 3, 1, CAlarm::COL_INPREF, false, "iN 11", "OFF"},
        {"a sign of none of the three", 3, 1, CAlarm::COL_SIGN, false, "<>", ">"},
        {"a dynamic reference of no logical input", 3, 1, CAlarm::COL_DYNREF, false, "LOG9", "OFF"},
        {"a flag neither ON nor OFF", 3, 1, 1, true, "on", "OFF"},
        {"an LCD text with a zero byte", 3, 1, CAlarm::COL_TEXT, false, std::string("AB\0CD", 5), "AB        "},
        {"an LED of none of the list", 3, 1, CAlarm::COL_LED, false, "25", "OFF"},
        {"an input type of none of the list", 1, 1, 1, false, "10v", "OFF"},
        {"a logical input's selection of an input that is off", 2, 1, 2, false, "IN 12", "OFF"},
        {"a General choice of none of its items", 0, 2, 1, false, "on", "OFF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CQ4kUnit file(prompt);
        file.Initialize();
        file.CopyFrom(typed);
        // As a damaged file's record leaves the cell: the text selected, whatever the list says.
        CNdChnData* cell = c.flag ? GetFlagCell(file, c.row, c.col) : file.GetSetupType(c.sheet)->GetProperty(c.row, c.col);
        if (cell->SetSelText(c.text) < 0)
            cell->SetText(c.text);
        ASSERT_EQ(c.flag ? cell->GetDataAsString() : file.GetSetupType(c.sheet)->GetCellText(c.row, c.col), c.text);

        // An alarm the unit holds as off loses its other settings too: they are named after it.
        std::vector<Named> named = Of(CSetupComparison::NotHeldExactly(file));
        ASSERT_FALSE(named.empty());
        EXPECT_EQ(named.front(), (Named{c.sheet, c.row, c.col, c.flag, c.text, c.held, false}));

        CUnitImage held = CUnitImage::FromUpload(file, nullptr);
        CUnitVerification verification(file, held);
        EXPECT_FALSE(verification.UnitHoldsSetup());
        EXPECT_EQ(Of(verification.GetDifferences()), named);
    }
}

// The copies of an input's settings in an alarm's row are judged by value, as the input's own
// cells are: the same number spelt otherwise is no difference unless every spelling counts.
TEST_F(HeldCells, AnAlarmsCopiesOfItsInputAreComparedByValue)
{
    const std::pair<const char*, const char*> spellings[] = {{".5", "0.5"}, {"+5", "5"}, {"1e1", "10"}, {"0.50", ".50"}};
    for (auto [a, b] : spellings) {
        SCOPED_TRACE(a);
        CQ4kUnit one(prompt);
        one.Initialize();
        one.CopyFrom(typed);
        CQ4kUnit two(prompt);
        two.Initialize();
        two.CopyFrom(typed);
        one.GetSetupType(3)->GetProperty(1, CAlarm::COL_INPTP + 2)->SetText(a);
        two.GetSetupType(3)->GetProperty(1, CAlarm::COL_INPTP + 2)->SetText(b);
        EXPECT_TRUE(CSetupComparison::Compare(one, two).empty());
        EXPECT_EQ(Of(CSetupComparison::Compare(one, two, true)),
                  (std::vector<Named>{{3, 1, CAlarm::COL_INPTP + 2, false, a, b, false}}));
        EXPECT_TRUE(CSetupComparison::NotHeldExactly(one).empty());
    }
}

// The undo history (real changes only: the desktop tests): a whole set-up taken back and done
// again across sheets, the step limit, the saved state, and the rows a step changed.
#include "support/RecordingPrompt.h"
#include "unit/CQ4kUnit.h"
#include "unit/CUnitHistory.h"

#include <gtest/gtest.h>

namespace {

struct History {
    RecordingPrompt prompt;
    CQ4kUnit unit{prompt};
    std::unique_ptr<CUnitHistory> history;
    explicit History(size_t maxSteps = 100)
    {
        unit.Initialize();
        history = std::make_unique<CUnitHistory>(unit, prompt, maxSteps);
    }
    CNordaSetupType& Type(int t) { return *unit.GetSetupType(t); }
    std::string Text(int t, int s, int c) { return Type(t).GetCellText(s, c); }
    // Physical input s on, alarm row s on it.
    void AlarmOnInput(int s)
    {
        ASSERT_EQ(Type(ST_PHYSICAL).ValidateData(s, 1, "10 V"), 1);
        ASSERT_EQ(Type(ST_PHYSICAL).ValidateData(s, 5, "10"), 1);
        ASSERT_EQ(Type(ST_ALARM).ValidateData(s, 1, std::to_string(10 + s)), 1);
    }
};

}  // namespace

TEST(UnitHistory, UndoAndRedoTakeEveryRippleAlong)
{
    History h;
    h.AlarmOnInput(1);
    ASSERT_TRUE(h.history->Record("alarm 1"));
    ASSERT_EQ(h.Text(ST_ALARM, 1, 1), "IN 11");
    h.Type(ST_PHYSICAL).ResetChannel(1);  // a cut: the alarm on it goes too
    ASSERT_TRUE(h.history->Record("cut"));
    ASSERT_EQ(h.Text(ST_ALARM, 1, 1), "OFF");
    std::vector<CUnitHistory::ChangedRow> rows = h.history->RowsChangedByLastStep();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].setupType, ST_PHYSICAL);
    EXPECT_EQ(rows[1].setupType, ST_ALARM);
    EXPECT_EQ(rows[1].section, 1);

    ASSERT_TRUE(h.history->Undo());
    EXPECT_EQ(h.Text(ST_PHYSICAL, 1, 1), "10 V");
    EXPECT_EQ(h.Text(ST_ALARM, 1, 1), "IN 11");
    EXPECT_EQ(h.history->RedoLabel(), "cut");
    // The restored set-up follows its rules: the input can be chosen again.
    EXPECT_EQ(h.Type(ST_ALARM).ValidateData(2, 1, "IN 11"), 1);
    ASSERT_TRUE(h.history->Redo());
    EXPECT_EQ(h.Text(ST_ALARM, 1, 1), "OFF");
    EXPECT_EQ(h.Text(ST_ALARM, 2, 1), "OFF");
    EXPECT_FALSE(h.history->Redo());

    // A new step after Undo drops what could have been redone.
    ASSERT_TRUE(h.history->Undo());
    h.Type(ST_GENERAL).ValidateData(3, 1, "9");
    ASSERT_TRUE(h.history->Record("station"));
    EXPECT_FALSE(h.history->CanRedo());
    EXPECT_EQ(h.Text(ST_ALARM, 1, 1), "IN 11");
}

TEST(UnitHistory, KeepsTheLastStepsAndTheSavedState)
{
    History h(3);
    h.history->MarkSaved();
    for (int n = 2; n <= 6; ++n) {  // the station number starts at 1
        h.Type(ST_GENERAL).ValidateData(3, 1, std::to_string(n));
        ASSERT_TRUE(h.history->Record("station " + std::to_string(n)));
    }
    EXPECT_EQ(h.history->GetStepCount(), 3u);
    int undone = 0;
    while (h.history->Undo())
        ++undone;
    EXPECT_EQ(undone, 3);
    EXPECT_EQ(h.Text(ST_GENERAL, 3, 1), "3");
    EXPECT_FALSE(h.history->IsSaved());  // the saved state fell off the end

    h.history->MarkSaved();
    h.history->Redo();
    EXPECT_FALSE(h.history->IsSaved());
    h.history->Undo();
    EXPECT_TRUE(h.history->IsSaved());
}

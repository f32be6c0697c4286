// Which cells a person may change now: open, read-only (headings, copies of another sheet's
// settings) or inactive until a cell of their row is set, and what an inactive cell refuses.
#include "SetupScenario.h"

using CellAccessQuery = SetupScenario;

using State = CellAccess::State;

// IN 11 in use and alarm 1 watching it; IN 12 and alarm 2 off.
TEST_F(CellAccessQuery, EachSheetSaysWhichCellsAreOpenReadOnlyOrInactive)
{
    SetChannel(1, "10 V", "10");
    ASSERT_TRUE(Alarm().ValidateData(1, CAlarm::COL_INPREF, "IN 11"));
    struct Case { SETUP_TYPE sheet; int section, cell; State state; int enabling; unsigned refusal; };
    const Case cases[] = {
        {ST_GENERAL, 3, 1, State::Open, -1, 0},          {ST_GENERAL, 1, 1, State::Open, -1, 0},
        {ST_GENERAL, 0, 1, State::ReadOnly, -1, 0},      {ST_GENERAL, 3, 0, State::ReadOnly, -1, 0},
        {ST_GENERAL, 20, 1, State::ReadOnly, -1, 0},     {ST_PHYSICAL, 1, 2, State::Open, -1, 0},
        {ST_PHYSICAL, 1, 7, State::Open, -1, 0},         {ST_PHYSICAL, 2, 1, State::Open, -1, 0},
        {ST_PHYSICAL, 2, 2, State::Inactive, 1, 62016},  {ST_PHYSICAL, 2, 7, State::Inactive, 1, 62016},
        {ST_LOGICAL, 1, 1, State::Open, -1, 0},          {ST_LOGICAL, 1, 13, State::ReadOnly, -1, 0},
        {ST_ALARM, 1, CAlarm::COL_SETPOINT, State::Open, -1, 0},
        {ST_ALARM, 1, CAlarm::COL_FLAGS, State::Open, -1, 0},
        {ST_ALARM, 1, CAlarm::COL_INPTP, State::ReadOnly, -1, 0},
        {ST_ALARM, 2, CAlarm::COL_INPREF, State::Open, -1, 0},
        {ST_ALARM, 2, CAlarm::COL_DYNREF, State::Inactive, CAlarm::COL_INPREF, 62007},
        {ST_ALARM, 2, CAlarm::COL_FLAGS, State::Inactive, CAlarm::COL_INPREF, 62007},
        {ST_ALARM, 2, CAlarm::COL_MISC, State::ReadOnly, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.sheet) + " " + std::to_string(c.section) + " " + std::to_string(c.cell));
        CellAccess access = unit.GetSetupType(c.sheet)->GetCellAccess(c.section, c.cell);
        EXPECT_EQ(access.state, c.state);
        EXPECT_EQ(access.enablingCell, c.enabling);
        EXPECT_EQ(access.refusal, c.refusal);
    }
}

// Every inactive cell refuses a text with the refusal it names and keeps its own; once its
// enabling cell is set, the row's cells are open.
TEST_F(CellAccessQuery, InactiveCellsRefuseUntilTheirEnablingCellIsSet)
{
    SetChannel(1, "10 V", "10");
    struct Row { SETUP_TYPE sheet; int section; const char* enabling; };
    for (const Row& row : {Row{ST_PHYSICAL, 2, "24 V"}, Row{ST_ALARM, 2, "IN 11"}}) {
        INordaSetupType& type = *unit.GetSetupType(row.sheet);
        const int cells = type.GetSheet()->GetNumCells(row.section);
        int inactive = 0;
        for (int cell = 1; cell < cells; ++cell) {
            CellAccess access = type.GetCellAccess(row.section, cell);
            if (access.state != State::Inactive)
                continue;
            ++inactive;
            const std::string before = type.GetCellText(row.section, cell);
            type.ClearLastError();
            EXPECT_EQ(type.EnterText(row.section, cell, "1"), 0) << cell;
            EXPECT_EQ(static_cast<unsigned>(type.GetLastError()), access.refusal) << cell;
            EXPECT_EQ(type.GetCellText(row.section, cell), before) << cell;
        }
        EXPECT_GT(inactive, 4) << row.sheet;
        ASSERT_TRUE(type.EnterText(row.section, 1, row.enabling));
        for (int cell = 1; cell < cells; ++cell)
            EXPECT_NE(type.GetCellAccess(row.section, cell).state, State::Inactive) << row.sheet << " " << cell;
    }
}

// The Flags cell stands for three settings: it names those that are on, as its initials do.
TEST_F(CellAccessQuery, FlagsCellNamesTheSettingsThatAreOn)
{
    SetChannel(1, "10 V", "10");
    ASSERT_TRUE(Alarm().ValidateData(1, CAlarm::COL_INPREF, "IN 11"));
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"", {}}, {"B", {"Block"}}, {"BC", {"Block", "Control"}}, {"CH", {"Control", "Hysteresis"}},
        {"BCH", {"Block", "Control", "Hysteresis"}},
    };
    for (const auto& [initials, names] : cases) {
        SetFlags(1, initials);
        EXPECT_EQ(Alarm().GetSettingsOn(1, CAlarm::COL_FLAGS), names) << initials;
        EXPECT_EQ(Alarm().GetCellText(1, CAlarm::COL_FLAGS), *initials ? initials : "...");
    }
    EXPECT_TRUE(Alarm().GetSettingsOn(1, CAlarm::COL_SETPOINT).empty());
    EXPECT_TRUE(Phys().GetSettingsOn(1, 1).empty());
}

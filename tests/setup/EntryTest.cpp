// Texts a person gives the cells: number cells take numbers only, before the setup types' own
// checks; and what the unit holds for a cell's text.
#include "SetupScenario.h"

namespace {

class Entry : public SetupScenario {
protected:
    void SetUp() override
    {
        SetupScenario::SetUp();
        SetChannel(1, "10 V");
        ASSERT_TRUE(Type(1, CAlarm::COL_INPREF, "IN 11"));
    }
    INordaSetupType& Sheet(int slot) { return *unit.GetSetupType(slot); }
};

}  // namespace

// Refused before any rule runs: the whole set-up stays as it was, an inactive channel included.
TEST_F(Entry, NumberCellsRefuseTextsThatAreNoNumber)
{
    struct Case {
        int sheet, row, col;
        const char* text;
    } const cases[] = {
        {ST_GENERAL, 3, 1, "12x"},   {ST_GENERAL, 3, 1, "1.5"},  {ST_GENERAL, 14, 1, "abc"},
        {ST_PHYSICAL, 1, 4, "xyz"},  {ST_PHYSICAL, 1, 6, "12abc"}, {ST_PHYSICAL, 1, 7, "-"},
        {ST_PHYSICAL, 2, 4, "abc"},  {ST_ALARM, 1, 4, "abc"},    {ST_ALARM, 1, 6, "2,5s"},
        {ST_ALARM, 2, 4, "-5x"},
    };
    const std::vector<uint8_t> before = Save();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Sheet(c.sheet).ClearLastError();
        EXPECT_EQ(Sheet(c.sheet).EnterText(c.row, c.col, c.text), 0);
        EXPECT_EQ(Sheet(c.sheet).GetLastError(), 62012);
        EXPECT_EQ(Save(), before);
    }
}

TEST_F(Entry, NumbersAreStoredWithoutBlanksAndWithThePointForAComma)
{
    struct Case {
        int sheet, row, col;
        const char* text;
        const char* stored;
    } const cases[] = {
        {ST_ALARM, 1, CAlarm::COL_DELAY, "2,5", "2.5"},
        {ST_ALARM, 1, CAlarm::COL_SETPOINT, " 1,50 ", "1.50"},
        {ST_GENERAL, 3, 1, " 7 ", "7"},
        {ST_GENERAL, 14, 1, "0,5", "0.5"},
        {ST_PHYSICAL, 1, 5, "7,5", "7.5"},
        {ST_PHYSICAL, 1, 6, "1e3", "1e3"},
        // A text cell keeps its text whatever it holds.
        {ST_ALARM, 1, CAlarm::COL_TEXT, "A,B 12x", "A,B 12x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_NE(Sheet(c.sheet).EnterText(c.row, c.col, c.text), 0);
        EXPECT_EQ(Sheet(c.sheet).GetCellText(c.row, c.col), c.stored);
    }
}

// What the unit gives back for a text, and whether that is the text's own value.
TEST_F(Entry, HoldingSaysWhatTheUnitKeepsOfEachText)
{
    struct Case {
        int sheet, row, col;
        const char* text;
        const char* held;
        bool exact;
    } const cases[] = {
        {ST_GENERAL, 3, 1, "12", "12", true},      {ST_GENERAL, 3, 1, "07", "7", true},
        {ST_GENERAL, 3, 1, "12x", "12", false},    {ST_GENERAL, 3, 1, "63", "63", true},
        {ST_GENERAL, 14, 1, "0", " 0", true},      {ST_GENERAL, 14, 1, "12.5", "12.5", true},
        {ST_GENERAL, 14, 1, "0.07", "0.05", false}, {ST_GENERAL, 4, 1, "MODBUS", "MODBUS", true},
        {ST_GENERAL, 4, 1, "modbus", "NORDA BUS", false},
        {ST_PHYSICAL, 1, 1, "10 V", "10 V", true},  {ST_PHYSICAL, 1, 1, "10V", "OFF", false},
        {ST_PHYSICAL, 1, 2, "\xB0" "C", "\xB0" "C", true}, {ST_PHYSICAL, 1, 2, "k W", "k W", true},
        {ST_PHYSICAL, 1, 2, "bar  ", "bar", true},  {ST_PHYSICAL, 1, 2, "bars!", "bars", false},
        {ST_PHYSICAL, 1, 2, "\xDF", "\xB0", false},
        {ST_PHYSICAL, 1, 4, "xyz", "0", false},    {ST_PHYSICAL, 1, 6, "12abc", "12", false},
        {ST_PHYSICAL, 1, 6, "1.50", "1.50", true}, {ST_PHYSICAL, 1, 6, "1.2345", "12345", false},
        {ST_PHYSICAL, 1, 6, "70000", "4464", false}, {ST_PHYSICAL, 1, 6, "-12.5", "-12.5", true},
        {ST_PHYSICAL, 1, 6, "0.29", "0.28", false}, {ST_PHYSICAL, 1, 6, "1e3", "1000", true},
        {ST_ALARM, 1, CAlarm::COL_DELAY, "0.3", "0.300", true},
        {ST_ALARM, 1, CAlarm::COL_DELAY, "2.5", "2.5", true},
        {ST_ALARM, 1, CAlarm::COL_DELAY, "2,5", "2", false},
        {ST_ALARM, 1, CAlarm::COL_DELAY, "2.56", "2.6", false},
        {ST_ALARM, 1, CAlarm::COL_DELAY, "12.5", "13", false},
        {ST_ALARM, 1, CAlarm::COL_DELAY, "2500", "2520", false},
        {ST_ALARM, 1, CAlarm::COL_DELAY, "918000", "918000", true},
        {ST_ALARM, 1, CAlarm::COL_DELAY, "1000000", "918000", false},
        {ST_ALARM, 1, CAlarm::COL_SETPOINT, "abc", "0", false},
        {ST_ALARM, 1, CAlarm::COL_TEXT, "PUMP", "PUMP      ", true},
        {ST_ALARM, 1, CAlarm::COL_TEXT, "PUMP      ", "PUMP      ", true},
        {ST_ALARM, 1, CAlarm::COL_TEXT, "TANK LEVEL HIGH", "TANK LEVEL", false},
        {ST_ALARM, 1, CAlarm::COL_LED, "24", "24", true},
        // The references and the sign: a text of none of the unit's goes out as another.
        {ST_ALARM, 1, CAlarm::COL_INPREF, "IN 11", "IN 11", true},
        {ST_ALARM, 1, CAlarm::COL_INPREF, "iN 11", "OFF", false},
        {ST_ALARM, 1, CAlarm::COL_INPREF, "LOG2", "LOG2", true},
        {ST_ALARM, 1, CAlarm::COL_DYNREF, "LOG9", "OFF", false},
        {ST_ALARM, 1, CAlarm::COL_DYNREF, "LOG3", "LOG3", true},
        {ST_ALARM, 1, CAlarm::COL_SIGN, "<>", ">", false},
        {ST_ALARM, 1, CAlarm::COL_SIGN, "\xB1", "\xB1", true},
        // An alarm's copies of its input's numbers: the same in any spelling.
        {ST_ALARM, 1, CAlarm::COL_INPTP + 2, ".5", "0.5", true},
        {ST_ALARM, 1, CAlarm::COL_INPTP + 4, "+5", "5", true},
        {ST_ALARM, 1, CAlarm::COL_MISC, "1e1", "10", true},
        // Cells the unit holds nothing of: as they are.
        {ST_ALARM, 1, CAlarm::COL_INPTP + 2, "xyz", "xyz", true},
        {ST_PHYSICAL, 1, 0, "IN 11", "IN 11", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CellHolding holding = unit.GetSetupType(c.sheet)->GetHolding(c.row, c.col, c.text);
        EXPECT_EQ(holding.held, c.held);
        EXPECT_EQ(holding.exact, c.exact);
    }
    // The unit's LCD text ends at a zero byte.
    CellHolding zero = unit.GetSetupType(ST_ALARM)->GetHolding(1, CAlarm::COL_TEXT, std::string("AB\0CD", 5));
    EXPECT_EQ(zero.held, "AB        ");
    EXPECT_FALSE(zero.exact);
}

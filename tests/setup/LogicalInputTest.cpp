// Logical inputs: selection lists following the physical channels, selecting and combining
// inputs, the cascades when an input goes away, the blocks and the older file record.
#include "SetupScenario.h"

#include <algorithm>

namespace {

const Parms kNoParms{};
const Parms kTenVolt = {"10 V", "bar", "0", "0", "10", "100", "0"};

class LogicalInput : public SetupScenario {
protected:
    // "IN 11" and "IN 12" as identical "10 V" channels; LOG1 uses "IN 11", LOG2 uses "LOG1".
    void ChainLog1Log2()
    {
        SetChannel(1, "10 V");
        SetChannel(2, "10 V");
        ASSERT_EQ(Log().ValidateData(1, 1, "IN 11"), 1);
        ASSERT_EQ(Log().ValidateData(2, 1, "LOG1"), 1);
    }
    bool AnyCellHolds(int n, const std::string& name)
    {
        for (int k = 1; k <= 12; ++k) {
            if (Holds(Log(), n, k, name))
                return true;
        }
        return false;
    }
    Block LogBlock(int b)
    {
        Block block;
        block.fill(0xAA);
        Log().GetLogInpDataBlock(b, block.data());
        return block;
    }
};

TEST_F(LogicalInput, ChannelAlreadyListedSomewhereIsNotOfferedFurther)
{
    // A list read from a file may hold a channel that is still "OFF"; when the channel is
    // switched on, the logical inputs after that list are not offered it in the same pass.
    Log().GetProperty(3, 5)->GetData().push_back("IN 11");
    EXPECT_EQ(Phys().ValidateData(1, 1, "10 V"), 1);
    EXPECT_TRUE(AnyCellHolds(2, "IN 11"));
    EXPECT_EQ(ItemsOf(Log(), 3, 1), Items{"OFF"});
    EXPECT_FALSE(AnyCellHolds(4, "IN 11"));
    EXPECT_FALSE(AnyCellHolds(7, "IN 11"));
}

// Active channels are offered in byte order, and a selected logical input to those after it.
TEST_F(LogicalInput, FirstSelectionCopiesParametersAndOffersTheLogicalInput)
{
    SetChannel(2, "24 V");
    SetChannel(1, "10 V");
    Listener alarms;
    CSetupRegistry registry;
    registry.Register(ST_PHYSICAL, &Phys());
    registry.Register(ST_LOGICAL, &Log());
    registry.Register(ST_ALARM, &alarms);
    EXPECT_EQ(Log().ValidateData(1, 1, "IN 11"), 1);
    EXPECT_EQ(Text(Log(), 1, 1), "IN 11");
    EXPECT_EQ(LogParms(1), kTenVolt);
    for (int k = 2; k <= 12; ++k)
        EXPECT_EQ(ItemsOf(Log(), 1, k), (Items{"OFF", "IN 12"}));
    for (int n = 2; n <= 7; ++n) {
        for (int k = 1; k <= 12; ++k)
            EXPECT_EQ(ItemsOf(Log(), n, k), (Items{"OFF", "IN 11", "IN 12", "LOG1"}));
    }
    EXPECT_EQ(ItemsOf(Log(), 8, 1), Items{"OFF"});
    // The alarms hear of the copied parameters and of the edit itself.
    ASSERT_FALSE(alarms.m_seen.empty());
    EXPECT_EQ(alarms.m_seen.front(), std::make_tuple(int(ST_LOGICAL), 1, -1, std::string("PARMS")));
    EXPECT_EQ(alarms.m_seen.back(), std::make_tuple(int(ST_LOGICAL), 1, 1, std::string("IN 11")));
}

TEST_F(LogicalInput, TypedTexts)
{
    struct Case { int n; int k; const char* text; int error; };  // error 4711: refused silently
    const Case refused[] = {
        {1, 1, "1", 62013},    {1, 1, "111", 62013}, {1, 1, "IN 13", 62013}, {1, 1, "in 11", 62013},
        {1, 2, "LOG2", 62013}, {1, 1, "LOG1", 4711}, {1, 1, "", 4711},        {1, 13, "10 V", 4711},
        {1, 0, "IN 11", 4711}, {9, 1, "IN 11", 4711}, {-1, 1, "IN 11", 4711},
    };
    SetChannel(1, "10 V");
    for (const Case& c : refused) {
        SCOPED_TRACE(c.text);
        Log().Error(0, 4711, 0);
        EXPECT_EQ(Log().ValidateData(c.n, c.k, c.text), 0);
        EXPECT_EQ(Log().GetLastError(), c.error);
        EXPECT_EQ(Text(Log(), 1, 1), "OFF");
        EXPECT_EQ(LogParms(1), kNoParms);
    }
    // Digits stand for the physical channel.
    EXPECT_EQ(Log().ValidateData(1, 3, "11"), 1);
    EXPECT_EQ(Text(Log(), 1, 3), "IN 11");
    EXPECT_EQ(LogParms(1), kTenVolt);
}

TEST_F(LogicalInput, FurtherInputsMustMatch)
{
    struct Case { const char* type; const char* up; const char* lcdu; int result; const char* selected; };
    const Case cases[] = {
        {"10 V", "10", "bar", 1, "IN 12"}, {"10 V", "9", "bar", 0, "OFF"},
        {"10 V", "10", "V", 0, "OFF"},     {"24 V", "10", "bar", 0, "OFF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.up + " " + c.lcdu);
        unit.Initialize();
        SetChannel(1, "10 V");
        SetChannel(2, c.type, c.up, c.lcdu);
        ASSERT_EQ(Log().ValidateData(1, 1, "IN 11"), 1);
        Log().Error(0, 0, 0);
        EXPECT_EQ(Log().ValidateData(1, 2, "IN 12"), c.result);
        EXPECT_EQ(Text(Log(), 1, 2), c.selected);
        EXPECT_EQ(LogParms(1), kTenVolt);
        EXPECT_EQ(Log().GetLastError(), c.result ? 0 : 62014);
        // An accepted input leaves the other cells; a refused one stays on offer.
        EXPECT_EQ(Holds(Log(), 1, 5, "IN 12"), c.result == 0);
        EXPECT_FALSE(Holds(Log(), 1, 2, "IN 11"));
    }
}

TEST_F(LogicalInput, ReplacingASelectionOffersTheOldInputAgain)
{
    SetChannel(1, "10 V");
    SetChannel(2, "10 V");
    ASSERT_EQ(Log().ValidateData(1, 1, "IN 11"), 1);
    ASSERT_EQ(Log().ValidateData(1, 2, "IN 12"), 1);
    EXPECT_EQ(Log().ValidateData(1, 2, "OFF"), 1);
    EXPECT_EQ(ItemsOf(Log(), 1, 7), (Items{"OFF", "IN 12"}));
    EXPECT_EQ(LogParms(1), kTenVolt);
    EXPECT_EQ(Log().ValidateData(1, 1, "OFF"), 1);
    EXPECT_EQ(ItemsOf(Log(), 1, 7), (Items{"OFF", "IN 11", "IN 12"}));
    EXPECT_EQ(LogParms(1), kNoParms);
    EXPECT_FALSE(AnyCellHolds(2, "LOG1"));
}

TEST_F(LogicalInput, ChannelGoingOffEmptiesTheChain)
{
    ChainLog1Log2();
    ASSERT_EQ(Log().ValidateData(3, 1, "LOG2"), 1);
    ASSERT_EQ(Log().ValidateData(4, 1, "IN 12"), 1);
    ASSERT_EQ(Log().ValidateData(4, 2, "LOG1"), 1);

    EXPECT_EQ(Phys().ValidateData(1, 1, "OFF"), 1);
    for (int n = 1; n <= 7; ++n)
        EXPECT_FALSE(AnyCellHolds(n, "IN 11")) << "LOG" << n;
    for (int n : {1, 2, 3}) {
        EXPECT_EQ(LogParms(n), kNoParms) << "LOG" << n;
        EXPECT_EQ(Log().IsOtherParmActive(n, -1), 0);
    }
    for (int n = 2; n <= 7; ++n) {
        EXPECT_FALSE(AnyCellHolds(n, "LOG1"));
        EXPECT_FALSE(AnyCellHolds(n, "LOG2"));
    }
    // LOG4 keeps its physical input, its parameters and its place in the later lists.
    EXPECT_EQ(Text(Log(), 4, 1), "IN 12");
    EXPECT_EQ(Text(Log(), 4, 2), "OFF");
    EXPECT_EQ(LogParms(4), kTenVolt);
    EXPECT_TRUE(AnyCellHolds(5, "LOG4"));
}

TEST_F(LogicalInput, ChangedParametersAreCarriedOn)
{
    ChainLog1Log2();
    SetChannel(3, "10 V");
    ASSERT_EQ(Log().ValidateData(3, 1, "IN 12"), 1);
    ASSERT_EQ(Log().ValidateData(3, 2, "LOG1"), 1);
    ASSERT_EQ(Log().ValidateData(5, 1, "IN 13"), 1);
    ASSERT_EQ(Log().ValidateData(6, 1, "LOG2"), 1);

    EXPECT_EQ(Phys().ValidateData(1, 5, "8"), 1);
    Parms eightVolt = kTenVolt;
    eightVolt[4] = "8";
    EXPECT_EQ(LogParms(1), eightVolt);
    EXPECT_EQ(LogParms(2), eightVolt);
    EXPECT_EQ(LogParms(6), eightVolt);
    // LOG3 mixes LOG1 with "IN 12": it drops LOG1 and keeps its own parameters.
    EXPECT_EQ(Text(Log(), 3, 2), "OFF");
    EXPECT_EQ(LogParms(3), kTenVolt);
    EXPECT_TRUE(Holds(Log(), 3, 6, "LOG1"));

    // A channel that no longer matches its logical input's other inputs is turned off there.
    ASSERT_EQ(Log().ValidateData(5, 2, "IN 12"), 1);
    EXPECT_EQ(Phys().ValidateData(2, 6, "50"), 1);
    EXPECT_EQ(Text(Log(), 5, 2), "OFF");
    EXPECT_EQ(Text(Log(), 5, 1), "IN 13");
    EXPECT_TRUE(Holds(Log(), 5, 9, "IN 12"));
}

// Cut turns every selection off and, as for any logical input out of use, its settings: an
// upload then sends none, as a download would show them.
TEST_F(LogicalInput, CutTurnsEverySelectionAndItsSettingsOff)
{
    ChainLog1Log2();
    ASSERT_EQ(Log().ValidateData(1, 4, "IN 12"), 1);
    Log().ResetChannel(1);
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(ItemsOf(Log(), 1, k), (Items{"OFF", "IN 11", "IN 12"}));
    EXPECT_EQ(LogParms(1), kNoParms);
    Block block;
    Log().GetLogInpDataBlock(0, block.data());
    EXPECT_EQ(block[0], 0);
    EXPECT_EQ(std::count(block.begin() + 16, block.begin() + 28, 48), 12);
    EXPECT_EQ(LogParms(2), kNoParms);
    EXPECT_EQ(Text(Log(), 2, 1), "OFF");
    for (int n = 2; n <= 7; ++n)
        EXPECT_FALSE(AnyCellHolds(n, "LOG1"));
}

// The ends of the code ranges the blocks below do not reach. A code selects its input where the
// list offers it; an input that is off, and a code of nothing, leave the selection and the list
// as they are.
TEST_F(LogicalInput, ReferenceCodes)
{
    SetChannel(24, "10 V");
    ASSERT_EQ(Log().ValidateData(6, 1, "IN 83"), 1);
    const Items offered = ItemsOf(Log(), 7, 1);
    const std::pair<uint8_t, const char*> codes[] = {{23, "IN 83"}, {29, "LOG6"}, {2, "OFF"}, {30, "OFF"}, {47, "OFF"}, {255, "OFF"}};
    for (auto [code, name] : codes) {
        Log().SetParm(7, 1, "OFF");
        std::array<uint8_t, 12> refs;
        refs.fill(48);
        refs[0] = code;
        Log().SetInputReference(7, refs.data());
        EXPECT_EQ(Text(Log(), 7, 1), name) << int(code);
        EXPECT_EQ(ItemsOf(Log(), 7, 1), offered) << int(code);
    }
}

// Blocks as packed from the sheet, and received ones checked as if typed.
TEST_F(LogicalInput, BlocksBothWays)
{
    Block fresh{};
    std::fill(fresh.begin() + 16, fresh.begin() + 28, 48);  // no references
    std::fill(fresh.begin() + 28, fresh.end(), ' ');
    for (int b = 0; b < 7; ++b)
        EXPECT_EQ(LogBlock(b), fresh) << "block " << b;
    ChainLog1Log2();
    SetChannel(3, "10 V", "5");
    Block log1 = Patched(fresh, {{0, 2}, {7, 10}, {10, 100}, {16, 0}, {28, 'b'}, {29, 'a'}, {30, 'r'}});
    Block log2 = Patched(log1, {{16, 24}});
    EXPECT_EQ(LogBlock(0), log1);
    EXPECT_EQ(LogBlock(1), log2);
    Block log3 = Patched(log1, {{17, 2}, {18, 24}});  // adds "IN 13", whose InpUp differs, and "LOG1"
    Block inactive = Patched(log1, {{16, 48}});

    unit.Initialize();
    SetChannel(1, "10 V");
    SetChannel(3, "10 V", "5");
    Log().SetLogInpParms(0, log1.data());
    Log().SetLogInpParms(1, log2.data());
    Log().SetLogInpParms(2, log3.data());
    Log().SetLogInpParms(3, inactive.data());

    EXPECT_EQ(Text(Log(), 1, 1), "IN 11");
    EXPECT_EQ(Text(Log(), 2, 1), "LOG1");
    EXPECT_EQ(LogParms(2), kTenVolt);
    EXPECT_EQ(Text(Log(), 3, 2), "OFF");
    EXPECT_EQ(Text(Log(), 3, 3), "LOG1");
    EXPECT_EQ(Log().GetLastError(), 62014);
    EXPECT_TRUE(AnyCellHolds(4, "LOG3"));
    EXPECT_EQ(LogParms(4), kNoParms);
    EXPECT_FALSE(AnyCellHolds(5, "LOG4"));
}

// Records before version 3 hold logical inputs 1 to 7 only and name them in full ("LOG1 (1A)").
TEST_F(LogicalInput, OlderRecordsNameLogicalInputsInFull)
{
    ChainLog1Log2();
    CNdChnData* cell = Log().GetProperty(3, 1);
    cell->GetData() = {"OFF", "IN 11", "LOG1 (1A)", "LOG2 (1B)"};
    cell->m_nCurSel = 2;
    CArchive out;
    out.WriteString("Logical Input");
    out.WriteInt32(ST_LOGICAL);
    for (int s = 0; s <= 7; ++s) {
        for (int c = 0; c < 20; ++c)
            Log().GetProperty(s, c)->DoFileReadWrite(out, 2);
    }

    unit.Initialize();
    CArchive in(out.GetBuffer());
    Log().DoFileReadWrite(in, 2);
    EXPECT_EQ(in.GetPosition(), out.GetBuffer().size());
    EXPECT_EQ(ItemsOf(Log(), 3, 1), (Items{"OFF", "IN 11", "LOG1", "LOG2"}));
    EXPECT_EQ(Text(Log(), 3, 1), "LOG1");
    EXPECT_EQ(Text(Log(), 2, 1), "LOG1");
}

}  // namespace

// Logical inputs: selection lists following the physical channels, selecting and combining
// inputs, the cascades when an input goes away, the blocks and the file records.
#include "InputSheets.h"

#include <array>

namespace {

class LogicalInput : public InputSheets {
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
};

const Items g_NoParms(7, "");
const Items g_TenVolt = {"10 V", "bar", "0", "0", "10", "100", "0"};

}  // namespace

TEST_F(LogicalInput, FreshSheet)
{
    EXPECT_EQ(Log().GetNumChannels(), 8);
    EXPECT_EQ(Log().m_nPrintCols, 13);
    ASSERT_EQ(Log().GetSheet()->GetNumSections(), 9);
    EXPECT_EQ(Log().GetSheet()->GetNumCells(0), 20);
    EXPECT_EQ(Text(Log(), 0, 12), "I12");
    EXPECT_EQ(Text(Log(), 0, 13), "InpTp");
    EXPECT_EQ(Text(Log(), 0, 19), "Misc.");
    EXPECT_EQ(Text(Log(), 8, 0), "LOG8 (3B)");
    EXPECT_EQ(Log().GetProperty(1, 2)->GetName(), "I1");
    EXPECT_EQ(Log().GetProperty(1, 15)->m_crBkColour, 0x00D3D3D3u);
    for (int n = 1; n <= 8; ++n) {
        for (int k = 1; k <= 12; ++k)
            EXPECT_EQ(ItemsOf(Log(), n, k), Items{"OFF"});
        EXPECT_EQ(Log().IsOtherParmActive(n, -1), 0);
    }
}

TEST_F(LogicalInput, ActiveChannelsAreOfferedToEveryLogicalInput)
{
    SetChannel(2, "10 V");
    SetChannel(1, "24 V");
    for (int n = 1; n <= 7; ++n) {
        for (int k = 1; k <= 12; ++k)
            EXPECT_EQ(ItemsOf(Log(), n, k), (Items{"OFF", "IN 11", "IN 12"}));
    }
    EXPECT_EQ(ItemsOf(Log(), 8, 1), Items{"OFF"});
    Phys().ValidateData(2, 1, "OFF");
    EXPECT_EQ(ItemsOf(Log(), 7, 12), (Items{"OFF", "IN 11"}));
}

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

TEST_F(LogicalInput, FirstSelectionCopiesParametersAndOffersTheLogicalInput)
{
    SetChannel(1, "10 V");
    AlarmProbe alarms;
    CSetupRegistry registry;
    registry.Register(ST_PHYSICAL, &Phys());
    registry.Register(ST_LOGICAL, &Log());
    registry.Register(ST_ALARM, &alarms);
    int result = Log().ValidateData(1, 1, "IN 11");

    EXPECT_EQ(result, 1);
    EXPECT_EQ(Text(Log(), 1, 1), "IN 11");
    EXPECT_EQ(LogParms(1), g_TenVolt);
    for (int k = 2; k <= 12; ++k)
        EXPECT_EQ(ItemsOf(Log(), 1, k), Items{"OFF"});
    EXPECT_FALSE(AnyCellHolds(1, "LOG1"));
    for (int n = 2; n <= 7; ++n) {
        for (int k = 1; k <= 12; ++k)
            EXPECT_EQ(ItemsOf(Log(), n, k), (Items{"OFF", "IN 11", "LOG1"}));
    }
    EXPECT_FALSE(AnyCellHolds(8, "LOG1"));
    // The alarms hear of the copied parameters and of the edit itself.
    ASSERT_FALSE(alarms.m_calls.empty());
    EXPECT_EQ(alarms.m_calls.front(), std::make_tuple(int(ST_LOGICAL), 1, -1, std::string("PARMS")));
    EXPECT_EQ(alarms.m_calls.back(), std::make_tuple(int(ST_LOGICAL), 1, 1, std::string("IN 11")));
}

TEST_F(LogicalInput, RefusedTexts)
{
    struct Case {
        int n;
        int k;
        const char* text;
        unsigned error;  // 0: refused silently
    };
    const Case cases[] = {
        {1, 1, "1", 62013},     {1, 1, "111", 62013},  {1, 1, "IN 13", 62013}, {1, 1, "in 11", 62013},
        {1, 2, "LOG2", 62013},  {1, 1, "LOG1", 0},     {1, 1, "", 0},          {1, 13, "10 V", 0},
        {1, 0, "IN 11", 0},     {9, 1, "IN 11", 0},    {-1, 1, "IN 11", 0},
    };
    SetChannel(1, "10 V");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Log().Error(0, 4711, 0);
        EXPECT_EQ(Log().ValidateData(c.n, c.k, c.text), 0);
        EXPECT_EQ(Log().GetLastError(), c.error ? static_cast<int>(c.error) : 4711);
        EXPECT_EQ(Text(Log(), 1, 1), "OFF");
        EXPECT_EQ(LogParms(1), g_NoParms);
    }
}

TEST_F(LogicalInput, DigitsStandForThePhysicalChannel)
{
    SetChannel(1, "10 V");
    EXPECT_EQ(Log().ValidateData(1, 3, "11"), 1);
    EXPECT_EQ(Text(Log(), 1, 3), "IN 11");
    EXPECT_EQ(LogParms(1), g_TenVolt);
}

TEST_F(LogicalInput, FurtherInputsMustMatch)
{
    struct Case {
        const char* type;
        const char* up;
        const char* unit;
        int result;
        const char* selected;
    };
    const Case cases[] = {
        {"10 V", "10", "bar", 1, "IN 12"},
        {"10 V", "9", "bar", 0, "OFF"},
        {"10 V", "10", "V", 0, "OFF"},
        {"24 V", "10", "bar", 0, "OFF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.up + " " + c.unit);
        m_unit.Initialize();
        SetChannel(1, "10 V");
        SetChannel(2, c.type, c.up, c.unit);
        ASSERT_EQ(Log().ValidateData(1, 1, "IN 11"), 1);
        EXPECT_EQ(Log().ValidateData(1, 2, "IN 12"), c.result);
        EXPECT_EQ(Text(Log(), 1, 2), c.selected);
        EXPECT_EQ(LogParms(1), g_TenVolt);
        if (!c.result) {
            EXPECT_EQ(Log().GetLastError(), 62014);
        }
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
    EXPECT_EQ(LogParms(1), g_TenVolt);
    EXPECT_EQ(Log().ValidateData(1, 1, "OFF"), 1);
    EXPECT_EQ(ItemsOf(Log(), 1, 7), (Items{"OFF", "IN 11", "IN 12"}));
    EXPECT_EQ(LogParms(1), g_NoParms);
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
        EXPECT_EQ(LogParms(n), g_NoParms) << "LOG" << n;
        EXPECT_EQ(Log().IsOtherParmActive(n, -1), 0);
    }
    for (int n = 2; n <= 7; ++n) {
        EXPECT_FALSE(AnyCellHolds(n, "LOG1"));
        EXPECT_FALSE(AnyCellHolds(n, "LOG2"));
    }
    // LOG4 keeps its physical input, its parameters and its place in the later lists.
    EXPECT_EQ(Text(Log(), 4, 1), "IN 12");
    EXPECT_EQ(Text(Log(), 4, 2), "OFF");
    EXPECT_EQ(LogParms(4), g_TenVolt);
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
    Items eightVolt = g_TenVolt;
    eightVolt[4] = "8";
    EXPECT_EQ(LogParms(1), eightVolt);
    EXPECT_EQ(LogParms(2), eightVolt);
    EXPECT_EQ(LogParms(6), eightVolt);
    // LOG3 mixes LOG1 with "IN 12": it drops LOG1 and keeps its own parameters.
    EXPECT_EQ(Text(Log(), 3, 2), "OFF");
    EXPECT_EQ(LogParms(3), g_TenVolt);
    EXPECT_TRUE(Holds(Log(), 3, 6, "LOG1"));

    // A channel that no longer matches its logical input's other inputs is turned off there.
    ASSERT_EQ(Log().ValidateData(5, 2, "IN 12"), 1);
    EXPECT_EQ(Phys().ValidateData(2, 6, "50"), 1);
    EXPECT_EQ(Text(Log(), 5, 2), "OFF");
    EXPECT_EQ(Text(Log(), 5, 1), "IN 13");
    EXPECT_TRUE(Holds(Log(), 5, 9, "IN 12"));
}

TEST_F(LogicalInput, CutTurnsEverySelectionOff)
{
    ChainLog1Log2();
    ASSERT_EQ(Log().ValidateData(1, 4, "IN 12"), 1);
    Log().ResetChannel(1);
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(ItemsOf(Log(), 1, k), (Items{"OFF", "IN 11", "IN 12"}));
    EXPECT_EQ(LogParms(1), g_TenVolt);
    EXPECT_EQ(LogParms(2), g_NoParms);
    EXPECT_EQ(Text(Log(), 2, 1), "OFF");
    for (int n = 2; n <= 7; ++n)
        EXPECT_FALSE(AnyCellHolds(n, "LOG1"));
}

TEST_F(LogicalInput, ReferenceCodes)
{
    const std::pair<uint8_t, const char*> codes[] = {
        {0, "IN 11"}, {23, "IN 83"}, {24, "LOG1"}, {30, "LOG7"}, {48, "OFF"}, {47, "x"}, {255, "x"},
    };
    for (auto [code, name] : codes) {
        SCOPED_TRACE(name);
        Log().SetParm(1, 1, "x");
        std::array<uint8_t, 12> refs;
        refs.fill(48);
        refs[0] = code;
        Log().SetInputReference(1, refs.data());
        EXPECT_EQ(Text(Log(), 1, 1), name);
        if (std::string(name) != "x") {
            std::array<uint8_t, 12> back{};
            Log().GetInputReference(1, back.data());
            EXPECT_EQ(back, refs);
        }
    }
}

TEST_F(LogicalInput, BlockEncodings)
{
    std::array<uint8_t, 32> fresh{};
    for (int i = 16; i < 28; ++i)
        fresh[static_cast<size_t>(i)] = 48;
    for (int i = 28; i < 32; ++i)
        fresh[static_cast<size_t>(i)] = ' ';
    for (int b = 0; b < 7; ++b) {
        std::array<uint8_t, 32> block;
        block.fill(0xAA);
        Log().GetLogInpDataBlock(b, block.data());
        EXPECT_EQ(block, fresh) << "block " << b;
    }

    ChainLog1Log2();
    std::array<uint8_t, 32> log1 = fresh;
    log1[0] = 2;
    log1[7] = 10;
    log1[10] = 100;
    log1[16] = 0;
    log1[28] = 'b';
    log1[29] = 'a';
    log1[30] = 'r';
    std::array<uint8_t, 32> block{};
    Log().GetLogInpDataBlock(0, block.data());
    EXPECT_EQ(block, log1);
    std::array<uint8_t, 32> log2 = log1;
    log2[16] = 24;
    Log().GetLogInpDataBlock(1, block.data());
    EXPECT_EQ(block, log2);
}

TEST_F(LogicalInput, BlockDecodingsAreValidatedLikeTyping)
{
    ChainLog1Log2();
    SetChannel(3, "10 V", "5");
    std::array<uint8_t, 32> log1{}, log2{}, log3{};
    Log().GetLogInpDataBlock(0, log1.data());
    Log().GetLogInpDataBlock(1, log2.data());
    log3 = log1;
    log3[17] = 2;   // "IN 13", whose InpUp differs
    log3[18] = 24;  // "LOG1"
    std::array<uint8_t, 32> inactive = log1;
    inactive[16] = 48;

    m_unit.Initialize();
    SetChannel(1, "10 V");
    SetChannel(3, "10 V", "5");
    Log().SetLogInpParms(0, log1.data());
    Log().SetLogInpParms(1, log2.data());
    Log().SetLogInpParms(2, log3.data());
    Log().SetLogInpParms(3, inactive.data());

    EXPECT_EQ(Text(Log(), 1, 1), "IN 11");
    EXPECT_EQ(Text(Log(), 2, 1), "LOG1");
    EXPECT_EQ(LogParms(2), g_TenVolt);
    EXPECT_EQ(Text(Log(), 3, 2), "OFF");
    EXPECT_EQ(Text(Log(), 3, 3), "LOG1");
    EXPECT_EQ(Log().GetLastError(), 62014);
    EXPECT_TRUE(AnyCellHolds(4, "LOG3"));
    EXPECT_EQ(LogParms(4), g_NoParms);
    EXPECT_FALSE(AnyCellHolds(5, "LOG4"));
}

TEST_F(LogicalInput, FileRoundTrip)
{
    ChainLog1Log2();
    std::vector<uint8_t> bytes = Save();
    m_unit.Initialize();
    CArchive in(bytes);
    m_unit.Serialize(in);
    EXPECT_EQ(Text(Log(), 2, 1), "LOG1");
    EXPECT_EQ(ItemsOf(Log(), 3, 1), (Items{"OFF", "IN 11", "IN 12", "LOG1", "LOG2"}));
    EXPECT_EQ(LogParms(2), g_TenVolt);
    EXPECT_EQ(Log().GetProperty(2, 13)->m_crBkColour, 0x00D3D3D3u);
    EXPECT_EQ(Save(), bytes);
}

TEST_F(LogicalInput, OlderFilesNameLogicalInputsInFull)
{
    ChainLog1Log2();
    CNdChnData* cell = Log().GetProperty(3, 1);
    cell->GetData() = {"OFF", "IN 11", "LOG1 (1A)", "LOG2 (1B)"};
    cell->m_nCurSel = 2;
    Log().GetProperty(3, 0)->GetData() = {"old label"};
    CArchive out;
    out.WriteString("Logical Input");
    out.WriteInt32(ST_LOGICAL);
    for (int s = 0; s <= 7; ++s) {
        for (int c = 0; c < 20; ++c)
            Log().GetProperty(s, c)->DoFileReadWrite(out, 2);
    }
    std::vector<uint8_t> bytes = out.GetBuffer();

    m_unit.Initialize();
    CArchive in(bytes);
    Log().DoFileReadWrite(in, 2);
    EXPECT_EQ(in.GetPosition(), bytes.size());
    EXPECT_EQ(ItemsOf(Log(), 3, 1), (Items{"OFF", "IN 11", "LOG1", "LOG2"}));
    EXPECT_EQ(Text(Log(), 3, 1), "LOG1");
    EXPECT_EQ(Text(Log(), 3, 0), "LOG3 (1C)");
    EXPECT_EQ(Text(Log(), 2, 1), "LOG1");
    EXPECT_EQ(ItemsOf(Log(), 8, 1), Items{"OFF"});

    // A file that ends inside a row label (here the first one, after title and type) is damaged.
    std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + 25);
    m_unit.Initialize();
    CArchive shortFile(cut);
    try {
        Log().DoFileReadWrite(shortFile, 2);
        ADD_FAILURE() << "a short file was read";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::BAD_SCHEMA);
    }
}

// Physical inputs: editing the channel cells as a user types them, the unit lists, the
// channel blocks and the file record.
#include "InputSheets.h"

#include <array>
#include <cstring>

namespace {

using PhysicalInput = InputSheets;

const Items g_StdUnits = {"", "m", "A", "V", "bar", "C", "F", "\xB0" "C", "\xB0" "F"};

std::array<uint8_t, 32> Block(std::initializer_list<std::pair<int, uint8_t>> bytes)
{
    std::array<uint8_t, 32> block{};
    for (auto [index, value] : bytes)
        block[static_cast<size_t>(index)] = value;
    return block;
}

}  // namespace

TEST_F(PhysicalInput, FreshSheetHasTwentyFourInactiveChannels)
{
    EXPECT_EQ(Phys().GetNumChannels(), 25);
    EXPECT_EQ(Phys().m_strTitle, "Physical Input");
    EXPECT_EQ(Phys().m_nPrintCols, 8);
    EXPECT_EQ(Text(Phys(), 0, 7), "Misc.");
    EXPECT_EQ(Text(Phys(), 24, 0), "IN 83");
    EXPECT_EQ(Phys().GetProperty(1, 5)->GetName(), "LCDLo");
    EXPECT_EQ(Phys().GetProperty(1, 2)->m_nTextLen, 4);
    EXPECT_EQ(ItemsOf(Phys(), 1, 1), (Items{"OFF", "20 mA", "10 V", "24 V"}));
    EXPECT_EQ(ItemsOf(Phys(), 7, 2), g_StdUnits);
    uint32_t active[24];
    int count = -1;
    Phys().GetActiveChannels(active, count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(Phys().IsChannelActive(-1) + Phys().IsChannelActive(25), 0);
}

TEST_F(PhysicalInput, ActiveChannelsAreListedInOrder)
{
    SetChannel(24, "24 V");
    SetChannel(2, "20 mA");
    uint32_t active[24];
    int count = 0;
    Phys().GetActiveChannels(active, count);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(active[0], 2u);
    EXPECT_EQ(active[1], 24u);
}

// One edit of channel "IN 11", active as "10 V" (InpUp 10) or left "OFF".
TEST_F(PhysicalInput, CellEdits)
{
    struct Case {
        bool active;
        int cell;
        const char* text;
        int result;
        unsigned error;  // 0: nothing recorded
        const char* stored;
    };
    const Case cases[] = {
        {false, 3, "5", 0, 62016, "0"},
        {false, 2, "bar", 0, 62016, ""},
        {false, 6, "250", 0, 62016, "0"},
        {true, 5, "12", 0, 62015, "10"},
        {true, 5, "7.5", 1, 0, "7.5"},
        {true, 3, "2.50", 1, 0, "2.50"},
        {true, 3, "-1", 0, 62015, "0"},
        {true, 3, "1,5", 0, 62015, "0"},
        {true, 3, "abc", 0, 62015, "0"},
        {true, 4, "-20", 1, 0, "-20"},
        {true, 7, "x1", 1, 0, "x1"},
        {true, 2, "  V", 1, 0, "V"},
        {true, 1, "10 v", 0, 62017, "10 V"},
        {true, 1, "OFF", 1, 0, "OFF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " into cell " + std::to_string(c.cell));
        m_unit.Initialize();
        if (c.active)
            SetChannel(1, "10 V");
        Phys().Error(0, 0, 0);
        EXPECT_EQ(Phys().ValidateData(1, c.cell, c.text), c.result);
        EXPECT_EQ(Phys().GetLastError(), static_cast<int>(c.error));
        EXPECT_EQ(Text(Phys(), 1, c.cell), c.stored);
    }
    EXPECT_TRUE(m_prompt.Messages().empty());
}

TEST_F(PhysicalInput, ChangingTheTypeClampsTheRange)
{
    struct Case {
        const char* from;
        const char* up;
        const char* to;
        int result;
        const char* upAfter;
    };
    const Case cases[] = {
        {"24 V", "20", "10 V", 0, "10"},
        {"20 mA", "20", "24 V", 1, "20"},
        {"24 V", "9.5", "10 V", 1, "9.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        m_unit.Initialize();
        SetChannel(3, c.from, c.up);
        EXPECT_EQ(Phys().ValidateData(3, 1, c.to), c.result);
        EXPECT_EQ(Text(Phys(), 3, 1), c.to);
        EXPECT_EQ(Text(Phys(), 3, 5), c.upAfter);
        if (!c.result) {
            EXPECT_EQ(Phys().GetLastError(), 62015);
        }
    }
}

TEST_F(PhysicalInput, TurningOffResetsTheChannel)
{
    SetChannel(4, "24 V", "20", "bar", "250");
    EXPECT_EQ(Phys().ValidateData(4, 1, "OFF"), 1);
    Items expected = {"OFF", "", "0", "0", "0", "0", "0"};
    for (int c = 1; c <= 7; ++c)
        EXPECT_EQ(Text(Phys(), 4, c), expected[static_cast<size_t>(c - 1)]) << "cell " << c;
    EXPECT_FALSE(Phys().IsChannelActive(4));
}

TEST_F(PhysicalInput, NewUnitBecomesAChoiceOfEveryChannel)
{
    SetChannel(5, "10 V");
    EXPECT_EQ(Phys().ValidateData(5, 2, " psi"), 1);
    EXPECT_EQ(Text(Phys(), 5, 2), "psi");
    for (int s = 1; s <= 24; ++s) {
        Items items = ItemsOf(Phys(), s, 2);
        ASSERT_EQ(items.size(), 10u) << "channel " << s;
        EXPECT_EQ(items.back(), "psi");
    }
    EXPECT_EQ(Text(Phys(), 6, 2), "");
}

TEST_F(PhysicalInput, FileReadMergesUnitsIntoEveryChannel)
{
    SetChannel(1, "10 V", "10", "bar");
    SetChannel(9, "24 V", "24", "V");
    Phys().GetProperty(9, 2)->GetData().push_back("kPa");
    SetChannel(9, "24 V", "24", "kPa");
    std::vector<uint8_t> bytes = Save();

    m_unit.Initialize();
    CArchive in(bytes);
    m_unit.Serialize(in);
    Items merged = g_StdUnits;
    merged.push_back("kPa");
    for (int s = 1; s <= 24; ++s)
        EXPECT_EQ(ItemsOf(Phys(), s, 2), merged) << "channel " << s;
    EXPECT_EQ(Text(Phys(), 1, 2), "bar");
    EXPECT_EQ(Text(Phys(), 9, 2), "kPa");
    EXPECT_EQ(Phys().GetUnitList()->GetData(), merged);
    EXPECT_EQ(Text(Phys(), 9, 5), "24");

    // Once merged, a document reads and writes back unchanged.
    std::vector<uint8_t> mergedBytes = Save();
    m_unit.Initialize();
    CArchive again(mergedBytes);
    m_unit.Serialize(again);
    EXPECT_EQ(Save(), mergedBytes);
}

TEST_F(PhysicalInput, FreshBlocksAreZeroWithBlankUnit)
{
    auto expected = Block({{28, ' '}, {29, ' '}, {30, ' '}, {31, ' '}});
    for (int b = 0; b < 24; ++b) {
        std::array<uint8_t, 32> block;
        block.fill(0xAA);
        Phys().GetInputParms(b, block.data());
        EXPECT_EQ(block, expected) << "block " << b;
    }
}

TEST_F(PhysicalInput, BlockEncodings)
{
    struct Case {
        int s;
        const char* type;
        const char* up;
        const char* unit;
        const char* lcdUp;
        std::array<uint8_t, 32> block;
    };
    const Case cases[] = {
        {1, "10 V", "10", "bar", "250",
         Block({{0, 2}, {7, 10}, {10, 250}, {28, 'b'}, {29, 'a'}, {30, 'r'}, {31, ' '}})},
        {24, "20 mA", "7.5", "\xB0" "C", "1.25",
         Block({{0, 4}, {7, 75}, {9, 0x08}, {10, 125}, {12, 0x10}, {28, 0xDF}, {29, 'C'}, {30, ' '}, {31, ' '}})},
        {2, "24 V", "24", "m", "300",
         Block({{0, 3}, {7, 24}, {10, 0x2C}, {11, 0x01}, {28, 'm'}, {29, ' '}, {30, ' '}, {31, ' '}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        SetChannel(c.s, c.type, c.up, c.unit, c.lcdUp);
        std::array<uint8_t, 32> block{};
        Phys().GetInputParms(c.s - 1, block.data());
        EXPECT_EQ(block, c.block);
    }
}

TEST_F(PhysicalInput, BlockDecodingsAreValidatedLikeTyping)
{
    struct Case {
        std::array<uint8_t, 32> block;
        Items cells;  // cells 1 to 7 afterwards
    };
    const Case cases[] = {
        {Block({{0, 2}, {7, 10}, {10, 250}, {28, 'b'}, {29, 'a'}, {30, 'r'}, {31, ' '}}),
         {"10 V", "bar", "0", "0", "10", "250", "0"}},
        {Block({{0, 0}, {1, 5}, {7, 9}, {13, 1}, {28, 'V'}, {29, ' '}, {30, ' '}, {31, ' '}}),
         {"OFF", "", "0", "0", "0", "0", "0"}},
        {Block({{0, 3}, {1, 0x15}, {3, 0x88}, {7, 30}, {28, ' '}, {29, 0xDF}, {30, 'C'}, {31, ' '}}),
         {"24 V", "\xB0" "C", "-2.1", "0", "24", "0", "0"}},
        {Block({{0, 4}, {4, 0x7D}, {6, 0x88}, {7, 0xC8}, {9, 0x08}, {28, 'b'}, {29, 0}, {30, 'x'}, {31, 'y'}}),
         {"20 mA", "b", "0", "-12.5", "20.0", "0", "0"}},
    };
    for (const Case& c : cases) {
        m_unit.Initialize();
        auto block = c.block;
        Phys().SetInputParms(6, block.data());
        Items cells;
        for (int cell = 1; cell <= 7; ++cell)
            cells.push_back(Text(Phys(), 7, cell));
        EXPECT_EQ(cells, c.cells);
        // The logical inputs learn the received channel through the broadcasts.
        EXPECT_EQ(Holds(Log(), 3, 1, "IN 31"), c.cells[0] != "OFF");
    }
}

TEST_F(PhysicalInput, BlockRoundTripAndReceivedUnitsAreMerged)
{
    SetChannel(13, "20 mA", "20", "bar", "16.5");
    EXPECT_EQ(Phys().ValidateData(13, 3, "4"), 1);
    EXPECT_EQ(Phys().ValidateData(13, 7, "3"), 1);
    std::array<uint8_t, 32> block{};
    Phys().GetInputParms(12, block.data());
    block[28] = 'p';
    block[29] = 's';
    block[30] = 'i';

    m_unit.Initialize();
    Phys().SetInputParms(12, block.data());
    Phys().MergeUnits();
    std::array<uint8_t, 32> again{};
    Phys().GetInputParms(12, again.data());
    EXPECT_EQ(again, block);
    EXPECT_EQ(Text(Phys(), 13, 4), "0");
    EXPECT_EQ(Text(Phys(), 13, 6), "16.5");
    EXPECT_EQ(ItemsOf(Phys(), 1, 2).back(), "psi");
    EXPECT_EQ(Text(Phys(), 1, 2), "");
}

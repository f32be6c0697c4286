// Physical inputs: editing the channel cells as a user types them, the unit lists, the channel
// blocks both ways and the merge of units typed or read from a file.
#include "SetupScenario.h"

using PhysicalInput = SetupScenario;

// One edit of channel "IN 11", left "OFF" or active with the given type and InpUp. A new type
// must fit the range already set, which is clamped when it does not.
TEST_F(PhysicalInput, CellEdits)
{
    // Without InpUp the channel is left "OFF".
    struct Case { const char *type, *up; int cell; const char* text; int result, error; const char *stored, *upAfter; };
    const Case cases[] = {
        {"OFF", "", 3, "5", 0, 62016, "0", "0"},          {"OFF", "", 2, "bar", 0, 62016, "", "0"},
        {"OFF", "", 6, "250", 0, 62016, "0", "0"},        {"10 V", "10", 5, "12", 0, 62015, "10", "10"},
        {"10 V", "10", 5, "7.5", 1, 0, "7.5", "7.5"},     {"10 V", "10", 3, "2.50", 1, 0, "2.50", "10"},
        {"10 V", "10", 3, "-1", 0, 62015, "0", "10"},     {"10 V", "10", 3, "1,5", 0, 62015, "0", "10"},
        {"10 V", "10", 3, "abc", 0, 62015, "0", "10"},    {"10 V", "10", 4, "-20", 1, 0, "-20", "10"},
        {"10 V", "10", 7, "x1", 1, 0, "x1", "10"},        {"10 V", "10", 2, "  V", 1, 0, "V", "10"},
        {"10 V", "10", 1, "10 v", 0, 62017, "10 V", "10"}, {"10 V", "10", 1, "OFF", 1, 0, "OFF", "0"},
        {"24 V", "20", 1, "10 V", 0, 62015, "10 V", "10"}, {"20 mA", "20", 1, "24 V", 1, 0, "24 V", "20"},
        {"24 V", "9.5", 1, "10 V", 1, 0, "10 V", "9.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + ": " + c.text + " into cell " + std::to_string(c.cell));
        unit.Initialize();
        if (*c.up)
            SetChannel(1, c.type, c.up);
        Phys().Error(0, 0, 0);
        EXPECT_EQ(Phys().ValidateData(1, c.cell, c.text), c.result);
        EXPECT_EQ(Phys().GetLastError(), c.error);
        EXPECT_EQ(Text(Phys(), 1, c.cell), c.stored);
        EXPECT_EQ(Text(Phys(), 1, 5), c.upAfter);
    }
    EXPECT_TRUE(prompt.Messages().empty());
}

TEST_F(PhysicalInput, NewUnitsBecomeChoicesOfEveryChannel)
{
    SetChannel(5, "10 V");
    EXPECT_EQ(Phys().ValidateData(5, 2, " psi"), 1);
    EXPECT_EQ(Text(Phys(), 5, 2), "psi");
    for (int s = 1; s <= 24; ++s)
        EXPECT_EQ(ItemsOf(Phys(), s, 2).back(), "psi") << "channel " << s;
    EXPECT_EQ(Text(Phys(), 6, 2), "");

    // A file may hold a unit that only one channel's list has: reading it merges it into all.
    SetChannel(9, "24 V", "24", "V");
    Phys().GetProperty(9, 2)->GetData().push_back("kPa");
    SetChannel(9, "24 V", "24", "kPa");
    Load(Save());
    Items merged = ItemsOf(Phys(), 2, 2);
    ASSERT_EQ(merged.size(), 11u);
    EXPECT_EQ(merged.back(), "kPa");
    for (int s = 1; s <= 24; ++s)
        EXPECT_EQ(ItemsOf(Phys(), s, 2), merged) << "channel " << s;
    EXPECT_EQ(Text(Phys(), 5, 2), "psi");
    EXPECT_EQ(Text(Phys(), 9, 2), "kPa");

    // Once merged, a document reads and writes back unchanged.
    std::vector<uint8_t> mergedBytes = Save();
    Load(mergedBytes);
    EXPECT_EQ(Save(), mergedBytes);
}

// Typed channels are packed into their blocks, and the same blocks taken apart give the rows back.
TEST_F(PhysicalInput, BlockEncodingsBothWays)
{
    for (int b = 0; b < 24; ++b) {
        Block block;
        block.fill(0xAA);
        Phys().GetInputParms(b, block.data());
        EXPECT_EQ(block, Patched({}, {{28, ' '}, {29, ' '}, {30, ' '}, {31, ' '}})) << "block " << b;
    }
    struct Case { int s; Parms typed; Block block; };
    const Case cases[] = {
        {1, {"10 V", "bar", "0", "0", "10", "250", "0"},
         Patched({}, {{0, 2}, {7, 10}, {10, 250}, {28, 'b'}, {29, 'a'}, {30, 'r'}, {31, ' '}})},
        {24, {"20 mA", "\xB0" "C", "0", "0", "7.5", "1.25", "0"},
         Patched({}, {{0, 4}, {7, 75}, {9, 0x08}, {10, 125}, {12, 0x10}, {28, 0xDF}, {29, 'C'}, {30, ' '}, {31, ' '}})},
        {2, {"24 V", "m", "0", "0", "24", "300", "0"},
         Patched({}, {{0, 3}, {7, 24}, {10, 0x2C}, {11, 0x01}, {28, 'm'}, {29, ' '}, {30, ' '}, {31, ' '}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed[0]);
        unit.Initialize();
        SetPhysical(c.s, c.typed);
        Block block{};
        Phys().GetInputParms(c.s - 1, block.data());
        EXPECT_EQ(block, c.block);
        unit.Initialize();
        Phys().SetInputParms(c.s - 1, c.block.data());
        EXPECT_EQ(PhysParms(c.s), c.typed);
    }
}

// Received channels are checked as typed, but keep the values the unit holds (an InpUp of 30 on
// a 24 V input stays 30).
TEST_F(PhysicalInput, ReceivedBlocksAreValidatedAsHeldAndTheirUnitsMerged)
{
    struct Case { Block block; Parms cells; };
    const Case cases[] = {
        {Patched({}, {{0, 0}, {1, 5}, {7, 9}, {13, 1}, {28, 'V'}, {29, ' '}, {30, ' '}, {31, ' '}}),
         {"OFF", "", "0", "0", "0", "0", "0"}},
        {Patched({}, {{0, 3}, {1, 0x15}, {3, 0x88}, {7, 30}, {28, ' '}, {29, 0xDF}, {30, 'C'}, {31, ' '}}),
         {"24 V", "\xB0" "C", "-2.1", "0", "30", "0", "0"}},
        {Patched({}, {{0, 4}, {4, 0x7D}, {6, 0x88}, {7, 0xC8}, {9, 0x08}, {28, 'b'}, {29, 0}, {30, 'x'}, {31, 'y'}}),
         {"20 mA", "b", "0", "-12.5", "20.0", "0", "0"}},
        {Patched({}, {{0, 4}, {1, 4}, {7, 20}, {10, 0x67}, {11, 0x06}, {12, 0x10}, {13, 3}, {28, 'p'}, {29, 's'}, {30, 'i'}, {31, ' '}}),
         {"20 mA", "psi", "4", "0", "20", "16.39", "3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cells[1]);
        unit.Initialize();
        Phys().SetInputParms(6, c.block.data());
        Phys().AllBlocksTaken();
        EXPECT_EQ(PhysParms(7), c.cells);
        // Every channel may now choose the received unit.
        EXPECT_TRUE(Holds(Phys(), 1, 2, c.cells[1]));
        // The logical inputs learn the received channel through the broadcasts.
        EXPECT_EQ(Holds(Log(), 3, 1, "IN 31"), c.cells[0] != "OFF");
    }
}

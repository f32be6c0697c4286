// Whole set-ups through the emulated unit: what a fresh set-up leaves in the unit, and an
// edited set-up uploaded and downloaded into another unit.
#include "EditedSetup.h"
#include "TransferRig.h"

#include <algorithm>

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<uint8_t> head, size_t blanks, size_t blanksAt)
{
    std::vector<uint8_t> block(32, 0);
    std::copy(head.begin(), head.end(), block.begin());
    std::fill_n(block.begin() + static_cast<long>(blanksAt), blanks, 0x20);
    return block;
}

class BlankUnitTransfer : public TransferRig {
protected:
    BlankUnitTransfer() : TransferRig(true) {}
};

TEST_F(BlankUnitTransfer, FreshUploadLeavesTheFactoryMemory)
{
    TransferRun run = Run(m_unit, TransferDirection::Upload);
    EXPECT_EQ(run.result.end, TransferEnd::Completed);
    EXPECT_EQ(m_observer.Asked(), std::vector<std::string>{});
    EXPECT_EQ(run.titles, kAllTitles);
    EXPECT_EQ(run.total, 13112u);
    // 13587, and a second read of each General block, with no backup's blocks to check it by.
    EXPECT_EQ(run.result.bytesMoved, 13587u + 8 * 78);
    EXPECT_EQ(run.maxSeen, 13587u + 8 * 78);

    const CUnitEmulator factory;
    EXPECT_EQ(m_server.GetUnit().SaveText(), factory.SaveText());
    const std::vector<uint8_t> physical = Bytes({}, 4, 28);
    std::vector<uint8_t> logical = Bytes({}, 4, 28);
    std::fill_n(logical.begin() + 16, 12, 0x30);
    const std::vector<uint8_t> alarm = Bytes({0x30, 0x00, 0x00, 0x20, 0x1E, 0x00, 0x18, 0x0E, 0x00}, 10, 9);
    for (int b = 0; b < 24; ++b)
        EXPECT_EQ(Block(CUnitEmulator::BlockSpace::Input, b), physical) << "physical " << b;
    for (int b = 24; b < 31; ++b)
        EXPECT_EQ(Block(CUnitEmulator::BlockSpace::Input, b), logical) << "logical " << b - 24;
    for (int b = 0; b < 48; ++b)
        EXPECT_EQ(Block(CUnitEmulator::BlockSpace::Alarm, b), alarm) << "alarm " << b;
    EXPECT_EQ(GetConstant(m_server.GetUnit(), 2), 1u);
    EXPECT_EQ(GetConstant(m_server.GetUnit(), 5), 9600u);
}

TEST_F(BlankUnitTransfer, EditedSetupReachesTheUnitAsBlocksAndComesBackCellForCell)
{
    TypeEditedSetup(m_unit);
    ASSERT_FALSE(HasFailure());
    TransferRun up = Run(m_unit, TransferDirection::Upload);
    EXPECT_EQ(up.result.end, TransferEnd::Completed);
    EXPECT_EQ(m_observer.Asked(), std::vector<std::string>{});

    const struct { CUnitEmulator::BlockSpace space; int block, offset; std::vector<uint8_t> bytes; const char* what; } cases[] = {
        {CUnitEmulator::BlockSpace::General, 0, 0, {0xB8, 0x0B, 0, 0}, "Initialization CONFIG is 3000"},
        {CUnitEmulator::BlockSpace::General, 1, 28, {50, 0, 0, 0}, "hysteresis 2.5 % in steps of 0.05 %"},
        {CUnitEmulator::BlockSpace::Input, 0, 0, {2}, "IN 11 is 10 V"},
        {CUnitEmulator::BlockSpace::Input, 0, 28, {'b', 'a', 'r', ' '}, "IN 11 unit"},
        {CUnitEmulator::BlockSpace::Input, 2, 4, {200, 0, 0x88}, "IN 13 LCDLo -20.0"},
        {CUnitEmulator::BlockSpace::Input, 2, 28, {0xDF, 'C', ' ', ' '}, "degree sign in the LCD's character set"},
        {CUnitEmulator::BlockSpace::Input, 23, 28, {'p', 's', 'i', ' '}, "IN 83 unit"},
        {CUnitEmulator::BlockSpace::Input, 24, 16, {0, 1, 48, 48}, "LOG1 combines IN 11 and IN 12"},
        {CUnitEmulator::BlockSpace::Input, 25, 16, {24, 48}, "LOG2 refers to LOG1"},
        {CUnitEmulator::BlockSpace::Alarm, 0, 0, {0, 50, 0, 0x00, 50, 1, 2, 1, 0xA0, 'P'}, "A11"},
        {CUnitEmulator::BlockSpace::Alarm, 1, 3, {0x60}, "A12 dynamic range around LOG1"},
        {CUnitEmulator::BlockSpace::Alarm, 2, 0, {25, 100, 0, 0x20, 12, 3, 23, 13, 0x40}, "A13 on LOG2"},
        {CUnitEmulator::BlockSpace::Alarm, 47, 0, {23, 0xE2, 0x04, 0x30, 255, 6, 0, 0, 0xE0, 0xB0}, "A86 below 12.50"},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> block = Block(c.space, c.block);
        std::vector<uint8_t> got(block.begin() + c.offset, block.begin() + c.offset + static_cast<long>(c.bytes.size()));
        EXPECT_EQ(got, c.bytes) << c.what;
    }

    // Downloaded into a fresh unit, the blocks rebuild the set-up.
    CQ4kUnit copy(m_prompt);
    copy.Initialize();
    TransferRun down = Run(copy, TransferDirection::Download);
    EXPECT_EQ(down.result.end, TransferEnd::Completed);
    EXPECT_EQ(m_observer.Asked(), std::vector<std::string>{});
    EXPECT_EQ(down.titles, kAllTitles);

    SetupTexts expected = AllTexts(m_unit);
    // An active alarm's LCD text comes back with the unit's ten characters, blanks included.
    for (int row : {2, 4})
        expected["Alarm " + std::to_string(row) + "/5"] = std::string(10, ' ');
    SetupTexts received = AllTexts(copy);
    ASSERT_EQ(expected.size(), received.size());
    for (const auto& [where, text] : expected)
        EXPECT_EQ(received[where], text) << where;
    // Every channel offers the unit texts received, the one only IN 83 uses included.
    for (int s = 1; s <= 24; ++s) {
        const auto& items = copy.GetSetupType(ST_PHYSICAL)->GetProperty(s, 2)->GetData();
        EXPECT_EQ(items, m_unit.GetSetupType(ST_PHYSICAL)->GetProperty(s, 2)->GetData()) << s;
        EXPECT_NE(std::find(items.begin(), items.end(), "psi"), items.end()) << s;
    }
}

}  // namespace

// The emulated unit's memory: factory contents, block bounds and the memory file.
#include "sim/CUnitEmulator.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

using Block = std::array<uint8_t, 32>;

Block Get(const CUnitEmulator& unit, CUnitEmulator::BLOCK_SPACE space, int n)
{
    Block b{};
    EXPECT_TRUE(unit.GetBlock(space, n, b.data()));
    return b;
}

Block FromHex(const std::string& hex)
{
    Block b{};
    for (size_t i = 0; i < 32; ++i)
        b[i] = static_cast<uint8_t>(std::stoi(hex.substr(2 * i, 2), nullptr, 16));
    return b;
}

TEST(CUnitEmulator, FactoryContents)
{
    const struct {
        CUnitEmulator::BLOCK_SPACE space;
        int block;
        const char* hex;
    } cases[] = {
        // Protocol MODBUS (c2), device 1 (c3), both baud rates 9600 (c5, c6).
        {CUnitEmulator::SPACE_GENERAL, 0, "0000000000000000010000000100000000000000802500008025000000000000"},
        {CUnitEmulator::SPACE_GENERAL, 1, "0000000000000000000000000000000000000000000000000000000000000000"},
        {CUnitEmulator::SPACE_GENERAL, 7, "0000000000000000000000000000000000000000000000000000000000000000"},
        {CUnitEmulator::SPACE_INPUT, 0, "0000000000000000000000000000000000000000000000000000000020202020"},
        {CUnitEmulator::SPACE_INPUT, 23, "0000000000000000000000000000000000000000000000000000000020202020"},
        {CUnitEmulator::SPACE_INPUT, 24, "0000000000000000000000000000000030303030303030303030303020202020"},
        {CUnitEmulator::SPACE_INPUT, 30, "0000000000000000000000000000000030303030303030303030303020202020"},
        {CUnitEmulator::SPACE_ALARM, 0, "300000201E00180E002020202020202020202000000000000000000000000000"},
        {CUnitEmulator::SPACE_ALARM, 47, "300000201E00180E002020202020202020202000000000000000000000000000"},
    };
    CUnitEmulator unit;
    for (const auto& c : cases)
        EXPECT_EQ(Get(unit, c.space, c.block), FromHex(c.hex)) << c.space << " " << c.block;
}

TEST(CUnitEmulator, BlankIsAllZero)
{
    CUnitEmulator unit(true);
    for (int s = 0; s < 3; ++s) {
        auto space = static_cast<CUnitEmulator::BLOCK_SPACE>(s);
        for (int b = 0; b < CUnitEmulator::NumBlocks(space); ++b)
            EXPECT_EQ(Get(unit, space, b), Block{}) << s << " " << b;
    }
}

TEST(CUnitEmulator, BlocksOutsideTheSpacesDoNotExist)
{
    CUnitEmulator unit;
    Block b{};
    const struct {
        CUnitEmulator::BLOCK_SPACE space;
        int block;
        bool exists;
    } cases[] = {
        {CUnitEmulator::SPACE_GENERAL, 7, true}, {CUnitEmulator::SPACE_GENERAL, 8, false},
        {CUnitEmulator::SPACE_INPUT, 30, true},  {CUnitEmulator::SPACE_INPUT, 31, false},
        {CUnitEmulator::SPACE_ALARM, 47, true},  {CUnitEmulator::SPACE_ALARM, 48, false},
        {CUnitEmulator::SPACE_ALARM, -1, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(unit.GetBlock(c.space, c.block, b.data()), c.exists);
        EXPECT_EQ(unit.SetBlock(c.space, c.block, b.data()), c.exists);
    }
}

TEST(CUnitEmulator, SaveTextLoadsBackIntoABlankUnit)
{
    CUnitEmulator unit;
    Block mark{};
    for (int i = 0; i < 32; ++i)
        mark[i] = static_cast<uint8_t>(0xF0 - i);
    unit.SetBlock(CUnitEmulator::SPACE_INPUT, 27, mark.data());
    std::string text = unit.SaveText();
    EXPECT_NE(text.find("physical 27 F0EFEEEDECEBEAE9"), std::string::npos);
    EXPECT_NE(text.find("alarm 47 "), std::string::npos);

    CUnitEmulator copy(true);
    std::string error;
    ASSERT_TRUE(copy.LoadText(text, error)) << error;
    EXPECT_EQ(copy.SaveText(), text);
}

TEST(CUnitEmulator, LoadReplacesOnlyTheNamedBlocks)
{
    CUnitEmulator unit;
    std::string error;
    ASSERT_TRUE(unit.LoadText("# a comment\n\ngeneral 1 " + std::string(63, '0') + "f\r\n", error)) << error;
    Block expected{};
    expected[31] = 0x0F;
    EXPECT_EQ(Get(unit, CUnitEmulator::SPACE_GENERAL, 1), expected);
    EXPECT_EQ(Get(unit, CUnitEmulator::SPACE_GENERAL, 0)[20], 0x80); // untouched
}

TEST(CUnitEmulator, MalformedTextChangesNothing)
{
    const std::string zeros(64, '0');
    const struct {
        std::string text;
        const char* reason;
    } cases[] = {
        {"flash 0 " + zeros, "unknown block kind"},
        {"general 8 " + zeros, "does not exist"},
        {"physical 31 " + zeros, "does not exist"},
        {"alarm 48 " + zeros, "does not exist"},
        {"alarm x " + zeros, "is not a number"},
        {"alarm -1 " + zeros, "is not a number"},
        {"alarm 1 " + zeros.substr(1), "expected 64 hex digits"},
        {"alarm 1 " + zeros + "0", "expected 64 hex digits"},
        {"alarm 1 " + zeros.substr(2) + "G0", "is not a hex byte"},
        {"alarm 1 " + zeros + " extra", "more than three fields"},
        {"alarm 1", "expected 64 hex digits"},
    };
    for (const auto& c : cases) {
        CUnitEmulator unit;
        std::string before = unit.SaveText();
        std::string error;
        // A good line before the bad one is not applied either.
        EXPECT_FALSE(unit.LoadText("general 0 " + zeros + "\n" + c.text + "\n", error)) << c.text;
        EXPECT_NE(error.find("line 2"), std::string::npos) << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_EQ(unit.SaveText(), before);
    }
}

TEST(CUnitEmulator, FileRoundTrip)
{
    char path[] = "/tmp/q4unitXXXXXX";
    int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    CUnitEmulator unit(true);
    Block mark{};
    mark[0] = 0xAB;
    unit.SetBlock(CUnitEmulator::SPACE_ALARM, 12, mark.data());
    std::string error;
    ASSERT_TRUE(unit.SaveFile(path, error)) << error;
    CUnitEmulator loaded;
    ASSERT_TRUE(loaded.LoadFile(path, error)) << error;
    EXPECT_EQ(Get(loaded, CUnitEmulator::SPACE_ALARM, 12), mark);
    EXPECT_EQ(loaded.SaveText(), unit.SaveText());
    std::remove(path);
    EXPECT_FALSE(loaded.LoadFile(path, error));
    EXPECT_NE(error.find("cannot read"), std::string::npos);
}

}  // namespace

// The emulated unit's memory: blank contents and the memory text. The factory contents are
// held to what a default set-up uploads by the transfer tests, the bounds by the server's.
#include "sim/CUnitEmulator.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using Block = std::array<uint8_t, 32>;

Block Get(const CUnitEmulator& unit, CUnitEmulator::BlockSpace space, int n)
{
    Block b{};
    EXPECT_TRUE(unit.GetBlock(space, n, b.data()));
    return b;
}

TEST(CUnitEmulator, MemoryTextLoadsBackIntoABlankUnitAndReplacesOnlyTheNamedBlocks)
{
    CUnitEmulator unit;
    Block mark{};
    for (int i = 0; i < 32; ++i)
        mark[i] = static_cast<uint8_t>(0xF0 - i);
    unit.SetBlock(CUnitEmulator::BlockSpace::Input, 27, mark.data());
    std::string text = unit.SaveText();
    EXPECT_NE(text.find("physical 27 F0EFEEEDECEBEAE9"), std::string::npos);
    CUnitEmulator copy(true);  // a blank unit: all zero
    for (int space = 0; space < 3; ++space)
        for (int b = 0; b < CUnitEmulator::NumBlocks(static_cast<CUnitEmulator::BlockSpace>(space)); ++b)
            EXPECT_EQ(Get(copy, static_cast<CUnitEmulator::BlockSpace>(space), b), Block{}) << space << " " << b;
    q4::Status loaded = copy.LoadText(text);
    ASSERT_TRUE(loaded) << loaded.Reason();
    EXPECT_EQ(copy.SaveText(), text);

    loaded = unit.LoadText("# a comment\n\ngeneral 1 " + std::string(63, '0') + "f\r\n");
    ASSERT_TRUE(loaded) << loaded.Reason();
    Block expected{};
    expected[31] = 0x0F;
    EXPECT_EQ(Get(unit, CUnitEmulator::BlockSpace::General, 1), expected);
    EXPECT_EQ(Get(unit, CUnitEmulator::BlockSpace::Input, 27), mark);  // untouched

    // A logical input's block, as q4150cli blocks names it, is the input block after the 24
    // physical ones.
    loaded = unit.LoadText("logical 3 " + std::string(62, '0') + "2a\n");
    ASSERT_TRUE(loaded) << loaded.Reason();
    expected[31] = 0x2A;
    EXPECT_EQ(Get(unit, CUnitEmulator::BlockSpace::Input, 27), expected);
}

TEST(CUnitEmulator, MalformedTextChangesNothing)
{
    const std::string zeros(64, '0');
    const std::pair<std::string, const char*> cases[] = {
        {"flash 0 " + zeros, "unknown block kind"},
        {"general 8 " + zeros, "does not exist"},
        {"physical 31 " + zeros, "does not exist"},
        {"logical 7 " + zeros, "does not exist"},
        {"alarm -1 " + zeros, "is not a number"},
        {"alarm 1 " + zeros.substr(1), "expected 64 hex digits"},
        {"alarm 1", "expected 64 hex digits"},
        {"alarm 1 " + zeros.substr(2) + "G0", "is not a hex byte"},
        {"alarm 1 " + zeros + " extra", "more than three fields"},
    };
    for (const auto& [line, reason] : cases) {
        CUnitEmulator unit;
        std::string before = unit.SaveText();
        // A good line before the bad one is not applied either.
        q4::Status loaded = unit.LoadText("general 0 " + zeros + "\n" + line + "\n");
        EXPECT_FALSE(loaded) << line;
        const std::string& error = loaded.Reason();
        EXPECT_NE(error.find("line 2"), std::string::npos) << error;
        EXPECT_NE(error.find(reason), std::string::npos) << error;
        EXPECT_EQ(unit.SaveText(), before);
    }
}

}  // namespace

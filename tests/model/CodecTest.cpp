// Codecs between cell texts and the unit's 3-byte parameters, 4-byte unit texts and input
// type codes, and the number checks used by validation.
#include "unit/CQ4kUnit.h"
#include "support/RecordingPrompt.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// The codecs of the base, on channel IN 11 of a Physical Input sheet: cell 1 is its input
// type, cell 2 its LCD unit (both lists), cell 5 a number cell.
class Codec : public ::testing::Test {
protected:
    void SetUp() override { m_unit.Initialize(); }
    CNordaSetupType& Sheet() { return *m_unit.GetSetupType(ST_PHYSICAL); }
    CNdChnData* Cell(int cell) { return Sheet().GetProperty(1, cell); }
    void Set(int cell, const std::string& text) { Cell(cell)->SetSelText(text); }
    std::string Text(int cell) { return Sheet().GetCellText(1, cell); }

    RecordingPrompt m_prompt;
    CQ4kUnit m_unit{m_prompt};
};

}  // namespace

using Bytes3 = std::array<uint8_t, 3>;

TEST_F(Codec, ThreeByteParameterEncodesAndKeepsTheBlocksOwnBits)
{
    const std::pair<std::string, Bytes3> cases[] = {
        {"-12.5", {0x7D, 0x00, 0x88}}, {"0.35", {35, 0x00, 0x10}}, {"1.50", {150, 0x00, 0x10}}, {"250", {250, 0, 0}},
        {"65536", {0, 0, 0}},             // only the low 16 bits reach the unit
        {"3,25", {0x2C, 0x01, 0x10}},     // reads 3, divider 100 from the digits after the comma
        {"7.", {7, 0x00, 0x00}},          // a point with nothing after it: divider 1
        {"1.2345", {0x39, 0x30, 0x00}},   // divider 10000 has no decimals code
        {"abc", {0, 0, 0}},
    };
    for (const auto& [text, bytes] : cases) {
        Set(5, text);
        Bytes3 out = {0xFF, 0xFF, 0xFF};  // bits 0-2 and 5-6 of the third byte belong to the block
        Sheet().Get3BytesParm(1, out.data(), 5);
        EXPECT_EQ(out, (Bytes3{bytes[0], bytes[1], static_cast<uint8_t>(bytes[2] | 0x67)})) << text;
    }
}

TEST_F(Codec, ThreeByteParameterAndInputTypeDecode)
{
    const std::pair<Bytes3, std::string> cases[] = {
        {{0x7D, 0x00, 0x88}, "-12.5"}, {{35, 0x00, 0x10}, "0.35"}, {{0x2C, 0x01, 0x10}, "3.00"},
        {{0xE8, 0x03, 0x18}, "1.000"},
        {{0x05, 0x00, 0x80}, "-5"},     // no decimals, sign set: a negative integer
        {{0xFF, 0xFF, 0x67}, "65535"},  // the block's own bits do not disturb the value
    };
    for (const auto& [bytes, text] : cases) {
        Sheet().Set3ByteParm(1, bytes.data(), 5);
        EXPECT_EQ(Text(5), text);
    }
    const uint8_t twelve[3] = {12, 0, 0};
    Sheet().Set3ByteParm(1, twelve, 2);  // a list cell refuses "12": appended, not selected
    EXPECT_EQ(Cell(2)->GetData().back(), "12");
    EXPECT_EQ(Text(2), "");
    Sheet().SetInputType(1, 1, 2);
    ASSERT_EQ(Text(1), "10 V");
    Sheet().SetInputType(1, 1, 5);       // no such input type code: off, and the list as it was
    EXPECT_EQ(Cell(1)->GetData(), (std::vector<std::string>{"OFF", "20 mA", "10 V", "24 V"}));
    EXPECT_EQ(Text(1), "OFF");
}

TEST_F(Codec, LcdUnitTexts)
{
    Set(2, "\xB0" "C");
    uint8_t out[4];
    Sheet().GetLCDU(1, 2, out);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out), 4), "\xDF" "C  ");

    // The text as the LCD shows it: the blanks after it are padding, those before or within it
    // are the unit's; a zero byte ends it.
    const std::tuple<std::string, std::string, bool> cases[] = {  // bytes, text, a new choice
        {"\xDF" "C  ", "\xB0" "C", false},
        {" \xDF" "C ", " \xB0" "C", true},
        {"V   ", "V", false},
        {"b a ", "b a", true},
        {std::string("k\0xy", 4), "k", true},
        {"    ", "", false},
        {";ab ", ";ab", true},                     // a whole choice, though lists part at ";"
    };
    for (const auto& [bytes, text, added] : cases) {
        size_t before = Cell(2)->GetData().size();
        Sheet().SetLCDU(1, 2, reinterpret_cast<const uint8_t*>(bytes.data()));
        EXPECT_EQ(Text(2), text);
        EXPECT_EQ(Cell(2)->GetData().size(), before + (added ? 1 : 0)) << text;
    }

    for (const auto& [bytes, text, added] : cases) {
        Set(2, text);
        Sheet().GetLCDU(1, 2, out);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(out), 4), text == "k" ? "k   " : bytes) << text;
    }

    Cell(2)->GetData().push_back("longer");
    Set(2, "longer");
    Sheet().GetLCDU(1, 2, out);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out), 4), "long");
}

TEST(NumberCheck, FloatsAreDigitsWithAtMostOnePoint)
{
    const std::tuple<std::string, int, float> cases[] = {
        {"12.5", 1, 12.5f}, {"0012", 1, 12.0f}, {"", 1, 0.0f}, {".5", 1, 0.5f}, {"7", 1, 7.0f},
        {"-1", 0, 0}, {"1e3", 0, 0}, {"1.2.3", 0, 0}, {"3,25", 0, 0},
    };
    for (const auto& [text, valid, value] : cases) {
        float f = -99;
        EXPECT_EQ(CNordaSetupType::IsValidFloat(text, f), valid) << text;
        if (valid) {
            EXPECT_EQ(f, value) << text;
        }
    }
}

// Codecs between cell texts and the unit's 3-byte parameters, 4-byte unit texts and input
// type codes, and the number checks used by validation.
#include "model/CNordaSetupType.h"

#include <gtest/gtest.h>

namespace {

// A setup type with a one-row sheet of plain cells, to exercise the codecs of the base.
class CodecSheet : public CNordaSetupType {
public:
    CodecSheet() { Initialize(); }
    int ValidateData(int, int, const std::string&) override { return 0; }
    void SetParm(int, int, const std::string&) override {}
    void Initialize() override { CreateDefDataSheet(); }
    void ResetChannel(int) override {}
    int GetNumChannels() override { return 1; }
    void CreateDefDataSheet() override
    {
        ResetSheet();
        CSection row;
        for (int c = 0; c < 3; ++c) {
            row.push_back(std::make_unique<CNdChnData>(DT_TEXT, 1, CTRL_EDIT, CLR_GRID_DEFAULT));
            row.back()->GetData().push_back("0");
        }
        // cell 2 is a list cell, like an LCDU or input-type cell
        row[2]->GetData() = {"", "V", "\xB0" "C"};
        m_pDataSheet->AddSection(std::move(row));
    }
    void Set(int cell, const std::string& text) { GetProperty(0, cell)->SetSelText(text); }
    std::string Text(int cell) const { return GetCellText(0, cell); }
};

}  // namespace

TEST(Codec, ThreeByteParameterEncodes)
{
    struct Case {
        std::string text;
        uint8_t b0, b1, b2;
    };
    const Case cases[] = {
        {"-12.5", 0x7D, 0x00, 0x88},
        {"0.35", 35, 0x00, 0x10},
        {"65536", 0x00, 0x00, 0x00},    // only the low 16 bits reach the unit
        {"3,25", 0x2C, 0x01, 0x10},     // reads 3, divider 100 from the digits after the comma
        {"1.50", 150, 0x00, 0x10},
        {"250", 250, 0x00, 0x00},
        {"7.", 7, 0x00, 0x00},          // a point with nothing after it: divider 1
        {"1.2345", 0x39, 0x30, 0x00},   // divider 10000 has no decimals code
        {"abc", 0, 0, 0},
        {"0", 0, 0, 0},
    };
    CodecSheet sheet;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        sheet.Set(0, c.text);
        uint8_t out[3] = {0, 0, 0};
        sheet.Get3BytesParm(0, out, 0);
        EXPECT_EQ(out[0], c.b0);
        EXPECT_EQ(out[1], c.b1);
        EXPECT_EQ(out[2], c.b2);
    }
}

TEST(Codec, ThreeByteParameterKeepsTheBlocksOwnBits)
{
    CodecSheet sheet;
    sheet.Set(0, "-1.5");
    uint8_t out[3] = {0xFF, 0xFF, 0x67};   // bits 0-2 and 5-6 belong to the block
    sheet.Get3BytesParm(0, out, 0);
    EXPECT_EQ(out[2], 0x67 | 0x88);
    sheet.Set(0, "2");
    sheet.Get3BytesParm(0, out, 0);
    EXPECT_EQ(out[2], 0x67);
}

TEST(Codec, ThreeByteParameterDecodes)
{
    struct Case {
        uint8_t in[3];
        std::string text;
    };
    const Case cases[] = {
        {{0x7D, 0x00, 0x88}, "-12.5"},
        {{35, 0x00, 0x10}, "0.35"},
        {{0x2C, 0x01, 0x10}, "3.00"},
        {{0x05, 0x00, 0x80}, "-5"},          // no decimals, sign set: a negative integer
        {{0xE8, 0x03, 0x18}, "1.000"},
        {{0xFF, 0xFF, 0x67}, "65535"},       // the block's own bits do not disturb the value
    };
    CodecSheet sheet;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        sheet.Set3ByteParm(0, c.in, 0);
        EXPECT_EQ(sheet.Text(0), c.text);
    }
}

TEST(Codec, ThreeByteParameterDecodeAppendsToAListThatLacksTheText)
{
    CodecSheet sheet;
    const uint8_t in[3] = {12, 0, 0};
    sheet.Set3ByteParm(0, in, 2);             // a list cell refuses "12": appended, not selected
    EXPECT_EQ(sheet.GetProperty(0, 2)->GetData().back(), "12");
    EXPECT_EQ(sheet.Text(2), "");
}

TEST(Codec, LcdUnitTexts)
{
    CodecSheet sheet;
    sheet.Set(2, "\xB0" "C");
    uint8_t out[4];
    sheet.GetLCDU(0, 2, out);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out), 4), "\xDF" "C  ");

    struct Case {
        std::string bytes;
        std::string text;
        size_t itemsAfter;
    };
    const Case cases[] = {
        {" \xDF" "C ", "\xB0" "C", 3},
        {"V   ", "V", 3},
        {"b a ", "ba", 4},                    // blanks are left out wherever they stand; new choice
        {"m\0xy", "m", 5},                    // a zero byte ends the text
        {"    ", "", 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        uint8_t in[4];
        for (int i = 0; i < 4; ++i)
            in[i] = static_cast<uint8_t>(c.bytes[static_cast<size_t>(i)]);
        sheet.SetLCDU(0, 2, in);
        EXPECT_EQ(sheet.Text(2), c.text);
        EXPECT_EQ(sheet.GetProperty(0, 2)->GetData().size(), c.itemsAfter);
    }

    sheet.Set(2, "V");
    sheet.GetProperty(0, 2)->GetData().push_back("longer");
    sheet.Set(2, "longer");
    sheet.GetLCDU(0, 2, out);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out), 4), "long");
}

TEST(Codec, InputTypes)
{
    CodecSheet sheet;
    CNdChnData* cell = sheet.GetProperty(0, 2);
    cell->GetData() = {"OFF", "20 mA", "10 V", "24 V"};
    const std::pair<std::string, uint8_t> names[] = {{"OFF", 0}, {"20 mA", 4}, {"10 V", 2}, {"24 V", 3}};
    for (const auto& [name, code] : names) {
        cell->SetSelText(name);
        EXPECT_EQ(sheet.GetInputType(0, 2), code) << name;
        cell->SetSelText("OFF");
        sheet.SetInputType(0, 2, code);
        EXPECT_EQ(cell->GetDataAsString(), name);
    }
    cell->SetSelText("OFF");
    sheet.SetInputType(0, 2, 5);             // no such code: empty text appended, not selected
    EXPECT_EQ(cell->GetData().back(), "");
    EXPECT_EQ(cell->GetDataAsString(), "OFF");
    sheet.Set(0, "whatever");
    EXPECT_EQ(sheet.GetInputType(0, 0), 0);
}

TEST(Codec, NumberChecks)
{
    struct Case {
        std::string text;
        int validFloat;
        float value;
        int validInt;
    };
    const Case cases[] = {
        {"12.5", 1, 12.5f, 0}, {"0012", 1, 12.0f, 1}, {"", 1, 0.0f, 1}, {"-1", 0, 0, 0},
        {"1e3", 0, 0, 0}, {"1.2.3", 0, 0, 0}, {"3,25", 0, 0, 0}, {".5", 1, 0.5f, 0}, {"7", 1, 7.0f, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        float f = -99;
        EXPECT_EQ(CNordaSetupType::IsValidFloat(c.text, f), c.validFloat);
        if (c.validFloat) {
            EXPECT_EQ(f, c.value);
        }
        int n = -99;
        EXPECT_EQ(CNordaSetupType::IsValidInt(c.text, n), c.validInt);
    }
    EXPECT_EQ(CNordaSetupType::GetDevider("12.5"), 10);
    EXPECT_EQ(CNordaSetupType::GetDevider("3,25"), 100);
    EXPECT_EQ(CNordaSetupType::GetDevider("7."), 1);
    EXPECT_EQ(CNordaSetupType::GetDevider("7"), 0);
    EXPECT_EQ(CNordaSetupType::GetFormatedString(7, 42, 1), " ");
    EXPECT_EQ(CNordaSetupType::GetFormatedString(125, 10, -1), "-12.5");
}

// The import's report: the cells refused or changed and the sheets left out; a text that is no
// set-up fails with where and why, and the set-up stays as it was.
#include "codec/CImportPrompt.h"
#include "codec/CSetupCsv.h"
#include "codec/CSetupImport.h"
#include "codec/CSetupJson.h"
#include "codec/SetupText.h"
#include "compare/CSetupComparison.h"
#include "unit/CQ4kUnit.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Imported {
    CImportPrompt prompt;
    CQ4kUnit unit{prompt};
    Imported() { unit.Initialize(); }
};

}  // namespace

TEST(SetupImport, ReportNamesTheRefusedCellsWithTheirRuleAndTheSheetsLeftOut)
{
    Imported imported;
    q4::Result<ImportReport> report =
        CSetupImport::Import("[general]\n3,,99\n11,,-REF\n[alarm]\n5,,OFF,OFF,<,7\n", imported.unit);
    ASSERT_TRUE(report.Ok()) << report.Reason();
    ASSERT_EQ(report->refusals.size(), 2u);
    const std::pair<const char*, int> expected[] = {{"general 3 1", 62012}, {"alarm 5 4", 62007}};
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(CSetupImport::CellName(report->refusals[i].cell), expected[i].first);
        EXPECT_EQ(report->refusals[i].errorId, expected[i].second);
        EXPECT_FALSE(report->refusals[i].message.empty());
    }
    EXPECT_EQ(report->sheetsLeftOut, (std::vector<int>{1, 2}));
    // What was taken is in the set-up; the refused cell kept its default.
    EXPECT_EQ(imported.unit.GetSetupType(0)->GetCellText(11, 1), "-REF");
    EXPECT_EQ(report->refusals[0].kept, imported.unit.GetSetupType(0)->GetCellText(3, 1));
}

TEST(SetupImport, TextThatIsNoSetUpFailsNamingWhereAndLeavesTheSetUpAlone)
{
    const std::pair<const char*, const char*> cases[] = {
        {"[general]\n3,,\"12\n", "line 2: a quoted field is not closed"},
        {"[general]\n3,,\\q\n", "line 2: general 3 1: a backslash in the text must start \\xHH or \\\\"},
        {R"({"sheets": {}})", R"(line 1 column 12: "sheets" must be an array)"},
        {R"({"sheets": [{"type": 0, "rows": [[], [1]]}]})",
         R"(line 1 column 39: a cell must be null or an object with its "text")"},
        {"\x89PNG\r\n\x1A\n", "line 1: a row before the first [SHEET] line"},
        {"# nothing but a comment\n", "the text holds no cells"},
        {R"({"sheets": []})", "the text holds no cells"},
    };
    for (const auto& [text, reason] : cases) {
        SCOPED_TRACE(text);
        Imported imported;
        Imported untouched;
        q4::Result<ImportReport> report = CSetupImport::Import(text, imported.unit);
        EXPECT_FALSE(report.Ok());
        EXPECT_EQ(report.Reason(), reason);
        EXPECT_TRUE(CSetupComparison::Compare(imported.unit, untouched.unit, true).empty());
        EXPECT_TRUE(imported.prompt.GetSaid().empty());
    }
}

// Each form reads back what it wrote, whatever the cell holds: separators, quotes, line breaks,
// control bytes, backslashes and the upper half of the code page.
TEST(SetupImport, BothFormsReadBackTheTextsTheyWrite)
{
    const char* const texts[] = {"A,B", "SAY \"HI\"", "TWO\r\nLINES", "\x01\\x01\\", "\xB1\x80 \xB0\x43", ""};
    for (const char* text : texts) {
        SCOPED_TRACE(q4::EscapeText(text));
        Imported source;
        ASSERT_TRUE(source.unit.GetSetupType(3)->GetSheet()->GetProperty(1, 5));
        source.unit.GetSetupType(3)->GetSheet()->GetProperty(1, 5)->SetText(text);
        for (bool csv : {false, true}) {
            std::ostringstream out;
            csv ? CSetupCsv::Write(source.unit, out) : CSetupJson::Write(source.unit, -1, out);
            q4::Result<std::vector<CellText>> read = CSetupImport::ReadTexts(out.str(), source.unit);
            ASSERT_TRUE(read.Ok()) << read.Reason();
            bool found = false;
            for (const CellText& cell : read.Value()) {
                if (cell.sheet == 3 && !cell.flag && cell.row == 1 && cell.col == 5) {
                    EXPECT_EQ(cell.text, text) << (csv ? "CSV" : "JSON");
                    found = true;
                }
            }
            EXPECT_TRUE(found) << (csv ? "CSV" : "JSON");
        }
    }
}

TEST(SetupImport, EscapesOfCellTextsGoBothWaysAndRefuseWhatIsNoText)
{
    const std::pair<const char*, const char*> both[] = {
        {"PLAIN", "PLAIN"}, {"\x01\x7F", "\\x01\\x7F"}, {"A\\B", "A\\\\B"}, {"\xB1\x80", "\xC2\xB1\xE2\x82\xAC"}};
    for (const auto& [cp1252, escaped] : both) {
        EXPECT_EQ(q4::EscapeText(cp1252), escaped);
        q4::Result<std::string> back = q4::UnescapeText(escaped);
        ASSERT_TRUE(back.Ok()) << back.Reason();
        EXPECT_EQ(back.Value(), cp1252);
    }
    for (const char* bad : {"A\\", "\\x0", "\\xZZ", "\\n", "\xE2\x86\x92", "\xFF"})
        EXPECT_FALSE(q4::UnescapeText(bad).Ok()) << q4::EscapeText(bad);
    const std::pair<const char*, int> sheets[] = {{"general", 0}, {"3", 3}, {"alarm", 3}, {"4", -1}, {"Alarm", -1}, {"", -1}};
    for (const auto& [name, sheet] : sheets)
        EXPECT_EQ(q4::ParseSheet(name), sheet) << name;
}

TEST(SetupImport, NamedCellsGiveTheTextOfTheFileTheTextHeldAndTheRule)
{
    Imported imported;
    q4::Result<ImportReport> report = CSetupImport::Import("[alarm-flag]\n5,ON\n[general]\n3,,99\n", imported.unit);
    ASSERT_TRUE(report.Ok()) << report.Reason();
    std::vector<CellDifference> cells = CSetupImport::NameCells(imported.unit, report.Value());
    ASSERT_EQ(cells.size(), 2u);
    // General first: the cells come in the grids' order, not the text's.
    EXPECT_EQ(cells[0].sheet, 0);
    EXPECT_EQ(cells[0].textA, "99");
    EXPECT_EQ(cells[0].textB, imported.unit.GetSetupType(0)->GetCellText(3, 1));
    EXPECT_EQ(cells[0].reason, report->refusals[0].message);
    EXPECT_TRUE(cells[1].flag);
    EXPECT_EQ(cells[1].textA, "ON");
    EXPECT_EQ(cells[1].textB, "OFF");
    EXPECT_FALSE(cells[1].reason.empty());
    EXPECT_FALSE(cells[1].column.empty());
}

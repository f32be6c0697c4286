// q4150cli export and import: random edit sessions and downloads through JSON and CSV text and
// back into a set-up, the CSV quoting, refusals, and malformed text that writes nothing.
#include "CliSession.h"

#include "cli/CEditCommand.h"
#include "cli/CExportCommand.h"
#include "cli/CImportCommand.h"
#include "codec/CSetupCsv.h"
#include "compare/CSetupComparison.h"
#include "model/NumberText.h"
#include "support/RecordingPrompt.h"
#include "unit/CQ4kUnit.h"
#include "unit/CUnitImage.h"

#include <random>
#include <set>
#include <tuple>

namespace {

// A text a person might type into the cell: one of its choices, a number in or out of any
// range, the text of another cell, or a new LCD unit.
std::string RandomText(const CQ4kUnit& unit, const CNdChnData& cell, std::mt19937& rng)
{
    static const char* const units[] = {"kPa", "m3/h", "%RH", ("\xB0" "F"), "", "rpm x10"};
    const CNordaSetupType* other = unit.GetSetupType(static_cast<int>(rng() % 4));
    const int row = static_cast<int>(rng() % static_cast<unsigned>(other->GetSheet()->GetNumSections()));
    switch (rng() % 5) {
    case 0:
        if (!cell.GetData().empty())
            return cell.GetData()[rng() % cell.GetData().size()];
        [[fallthrough]];
    case 1:
        return q4::FormatD(static_cast<long>(rng() % 2000) - 500);
    case 2:
        return q4::FormatF((static_cast<double>(rng() % 200000) - 50000) / 100, static_cast<int>(rng() % 4));
    case 3:
        return other->GetCellText(row, static_cast<int>(rng() % unsigned(other->GetSheet()->GetNumCells(row))));
    default:
        return units[rng() % std::size(units)];
    }
}

// Edits as the grids and the edit command make them, in the rows the grids show; now and then
// a row is cut or a flag switched.
void EditAtRandom(CQ4kUnit& unit, std::mt19937& rng, int edits)
{
    static const int sheets[] = {0, 1, 1, 1, 2, 2, 3, 3, 3, 3};
    for (int k = 0; k < edits; ++k) {
        const int sheet = sheets[rng() % std::size(sheets)];
        CNordaSetupType& type = *unit.GetSetupType(sheet);
        const int row = 1 + static_cast<int>(rng() % static_cast<unsigned>(type.GetNumChannels() - 1));
        const int col = static_cast<int>(rng() % static_cast<unsigned>(type.GetSheet()->GetNumCells(row)));
        const CNdChnData& cell = *type.GetProperty(row, col);
        std::string text = RandomText(unit, cell, rng);
        switch (rng() % 40) {
        case 0:
            type.ResetChannel(row);
            continue;
        case 1:
        case 2:
            CSetupTyping::Type(unit, {{ST_ALARM, 1 + static_cast<int>(rng() % 48), static_cast<int>(rng() % 3), true,
                                       rng() % 2 ? "ON" : "OFF"}});
            continue;
        }
        if (cell.m_nStyle == CTRL_POPUP) {
            const char* const initials[] = {"", "B", "C", "H", "BC", "BH", "CH", "BCH"};
            text = initials[rng() % 8];
            CEditCommand::ApplyInitials(type, row, col, text);
        }
        if (cell.m_nTextLen >= 0 && text.size() > static_cast<size_t>(cell.m_nTextLen))
            text.resize(static_cast<size_t>(cell.m_nTextLen));
        type.EnterText(row, col, text);
    }
}

// Exports the unit and imports the text into a default set-up: every cell that comes back
// different is one the set-up's rules refused and import named, and without a refusal the
// set-up comes back the same, blocks and all. Returns how many cells were refused.
size_t ExpectRoundTrip(CQ4kUnit& unit)
{
    size_t refused = 0;
    for (bool csv : {false, true}) {
        SCOPED_TRACE(csv ? "CSV" : "JSON");
        std::ostringstream text;
        CExportCommand::Write(unit, csv, text);
        RecordingPrompt prompt;
        CQ4kUnit copy(prompt);
        copy.Initialize();
        std::vector<TypingRefusal> refusals = CSetupTyping::Type(copy, CImportCommand::ReadTexts(text.str(), copy));
        std::set<std::tuple<int, int, int, bool>> named;
        for (const TypingRefusal& r : refusals)
            named.insert({r.cell.sheet, r.cell.row, r.cell.col, r.cell.flag});
        for (const CellDifference& d : CSetupComparison::Compare(unit, copy)) {
            EXPECT_TRUE(named.count({d.sheet, d.row, d.col, d.flag}))
                << d.sheet << (d.flag ? " flag " : " ") << d.row << " " << d.col << ": " << d.textA << " -> " << d.textB;
        }
        if (refusals.empty()) {
            EXPECT_TRUE(CUnitImage::FromUpload(unit, nullptr) == CUnitImage::FromUpload(copy, nullptr));
        }
        refused += refusals.size();
    }
    return refused;
}

}  // namespace

// The only refusals seen over hundreds of sessions are set points left outside a display
// range narrowed after them, which the rules clamp when the set point is typed again.
TEST(CliTextRoundTrip, EditSessionsAndTheirDownloadsComeBackTheSame)
{
    size_t refused = 0;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 rng(seed);
        RecordingPrompt prompt;  // questions answered OK
        CQ4kUnit edited(prompt);
        edited.Initialize();
        EditAtRandom(edited, rng, 300);
        refused += ExpectRoundTrip(edited);
        CQ4kUnit downloaded(prompt);
        downloaded.Initialize();
        CUnitImage::FromUpload(edited, nullptr).TakeApartInto(downloaded);
        refused += ExpectRoundTrip(downloaded);
    }
    EXPECT_LE(refused, 8u);
}

// A download of memory no upload wrote holds what nobody can type (a device number 0, a delay
// under 0.3 s, settings of an alarm that is off): import names each such cell.
TEST(CliTextRoundTrip, DownloadsOfRandomBlocksLoseNoCellUnnamed)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE("blocks seed " + std::to_string(seed));
        std::mt19937 rng(seed);
        RecordingPrompt prompt;
        CQ4kUnit downloaded(prompt);
        downloaded.Initialize();
        CUnitImage image;
        for (int slot = 0; slot < 4; ++slot) {
            image.GetBlocks(slot).resize(static_cast<size_t>(downloaded.GetSetupType(slot)->GetNumBlocks()));
            for (auto& block : image.GetBlocks(slot)) {
                for (auto& byte : block)
                    byte = static_cast<uint8_t>(rng());
            }
        }
        image.TakeApartInto(downloaded);
        EXPECT_GT(ExpectRoundTrip(downloaded), 0u);
    }
}

TEST(CliTextCsv, FieldsAreQuotedAsNeededAndReadBackAsWritten)
{
    RecordingPrompt prompt;
    CQ4kUnit unit(prompt);
    unit.Initialize();
    // The text of alarm 1's LCD Text cell as written by the exporter (UTF-8 after escapes)
    // and by hand or by a spreadsheet, and what import reads from each.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"PLAIN", "PLAIN", "PLAIN"},
        {"A,B", "\"A,B\"", "A,B"},
        {"SAY \"HI\"", "\"SAY \"\"HI\"\"\"", "SAY \"HI\""},
        {"\\x0D\\x0A\\\\", "\\x0D\\x0A\\\\", "\r\n\\"},
        {"\xC2\xB1\xE2\x82\xAC\xC2\x81", "\xC2\xB1\xE2\x82\xAC\xC2\x81", "\xB1\x80\x81"},
        {"TWO\r\nLINES", "\"TWO\r\nLINES\"", "TWO\r\nLINES"},
        {"\"", "\"\"\"\"", "\""},
    };
    for (const auto& [utf8, field, cp1252] : cases) {
        SCOPED_TRACE(field);
        EXPECT_EQ(CSetupCsv::Field(utf8), field);
        // As a spreadsheet may save it: a byte order mark, CR LF, a quoted set point, padding.
        std::string text = std::string("\xEF\xBB\xBF# a comment\r\n[alarm]\r\n\r\n1,,,,,\"0\",") + field
                           + ",,,,,,,,,,,,,,\r\n";
        std::vector<CellText> texts = CImportCommand::ReadTexts(text, unit);
        ASSERT_EQ(texts.size(), 17u);
        EXPECT_EQ(texts[4].text, "0");
        EXPECT_EQ(texts[5].text, cp1252);
    }
}

using CliText = CliSession;

TEST_F(CliText, ExportWritesTheShownJsonOrCsvAndImportBuildsTheSetUpAgain)
{
    // Alarm 2's Flags cell keeps the "B" of the Block flag that the General Block turned off.
    ASSERT_EQ(Run({"edit", Path("a.q4g"), "--yes"}, "general 1 1 CONFIG\ngeneral 11 1 +REF\nphysical 1 1 10 V\n"
                                                      "alarm 1 1 IN 11\nalarm 1 5 A,\"B\"\\x01\nalarm 1 9 CH\n"
                                                      "alarm 2 1 IN 11\nalarm 2 9 BH\ngeneral 11 1 OFF\n").code, 0);
    CliResult json = Run({"export", Path("a.q4g")});
    ASSERT_EQ(json.code, 0) << json.err;
    EXPECT_EQ(json.out, Run({"show", Path("a.q4g"), "--json"}).out);
    ASSERT_EQ(Run({"export", Path("a.q4g"), "--format", "csv", "-o", Path("a.csv")}).code, 0);
    EXPECT_NE(ReadBytes(Path("a.csv")).find("\n1,1  (A11),IN 11,OFF,<,0,\"A,\"\"B\"\"\\x01\",0.3,OFF,OFF,CH,10 V,"),
              std::string::npos);

    const char question[] = "question: Warning: This will restore default configuration of all parameters in the "
                            "Q4000 on next power up. Press OK to continue or Cancel -> OK\n";
    for (const auto& [text, input] : {std::pair{Path("a.csv"), std::string()}, {std::string("-"), json.out}}) {
        CliResult r = Run({"import", text, "-o", Path("b.q4g")}, input);
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, question);
        CliResult diff = Run({"diff", Path("a.q4g"), Path("b.q4g")});
        EXPECT_EQ(diff.code, 0) << diff.out;
    }
}

TEST_F(CliText, ImportNamesEveryRefusedCellWithExitOneAndWritesTheRest)
{
    CliResult r = Run({"import", "-", "-o", Path("b.q4g")},
                      "[general]\n3,,99\n14,,abc\n11,,-REF\n[alarm]\n5,,OFF,OFF,<,7\n[alarm-flag]\n5,ON\n");
    EXPECT_EQ(r.code, 1) << r.err;
    // The flag asks for the alarm's Flags dialog, whose refusal the setup type shows at once.
    EXPECT_EQ(r.out,
              "message: This alarm is disabled. Not able to change this parameter.\n"
              "message: This alarm is disabled. Not able to change this parameter.\n"
              "general 3 1: refused 62012 Invalid value. Last value will be used.\n"
              "general 14 1: refused 62012 Invalid value. Last value will be used.\n"
              "alarm 5 4: refused 62007 This alarm is disabled. Not able to change this parameter.\n"
              "alarm-flag 5 0: refused 62007 This alarm is disabled. Not able to change this parameter.\n");
    EXPECT_EQ(Run({"diff", Path("a.q4g"), Path("b.q4g")}).out, "general 11 1: OFF -> -REF\n");
}

TEST_F(CliText, MalformedTextExitsWithTwoNamingWhereAndWritesNothing)
{
    const std::pair<const char*, const char*> cases[] = {
        {"3,,12\n", "line 1: a row before the first [SHEET] line"},
        {"[outputs]\n", "line 1: expected a line [general], [physical], [logical], [alarm] or [alarm-flag], not [outputs]"},
        {"[general]\n65,,1\n", "line 2: the row \"65\" is not a row of the general sheet (0 to 64)"},
        {"[alarm-flag]\n\n49,ON\n", "line 3: the row \"49\" is not a row of the alarm-flag section (0 to 48)"},
        {"[general]\n3,,12,,x\n", "line 2: column 3 is not a column of the general sheet (0 to 1)"},
        {"[general]\n3,,12\n3,,13\n", "line 3: row 3 of the general sheet appears twice"},
        {"[general]\n[general]\n", "line 2: the section [general] appears twice"},
        {"[general]\n3,,\"12\n", "line 2: a quoted field is not closed"},
        {"[general]\n3,,1\"2\n",
         "line 2: a quote in a field that does not start with one (quote the field and double its quotes)"},
        {"[general]\n3,,\"1\"2\n", "line 2: text after the closing quote of a field"},
        {"[general]\n3,,\\q\n", "line 2: general 3 1: a backslash in the text must start \\xHH or \\\\"},
        {R"({"sheets": [})", "line 1 column 13: expected a value"},
        {R"( {"sheets": [1]})", "line 1 column 14: a sheet must be an object"},
        {R"({"sheets": []} x)", "line 1 column 16: text after the JSON value"},
        {"{}", R"(line 1 column 1: the object has no "sheets")"},
        {R"({"sheets": {}})", R"(line 1 column 12: "sheets" must be an array)"},
        {R"({"sheets": [{"type": 7, "rows": []}]})", "line 1 column 22: no sheet has the type 7 (0 to 3)"},
        {"{\"sheets\": [{\"type\": 2, \"rows\": []},\n {\"type\": 2, \"rows\": []}]}",
         "line 2 column 11: the logical sheet appears twice"},
        {R"({"sheets": [{"type": 0, "rows": [[], [1]]}]})",
         R"(line 1 column 39: a cell must be null or an object with its "text")"},
        {R"({"sheets": [{"type": 0, "rows": [[], [null, {"text": "\u2192"}]]}]})",
         "line 1 column 54: the text is not UTF-8 or holds a character outside Windows-1252"},
        {R"({"sheets": [{"type": 0, "rows": [[], [null, null, null]]}]})",
         "line 1 column 51: column 2 is not a column of the general sheet (0 to 1)"},
        {R"({"sheets": [], "alarm_flags": [[null, null, null, null]]})", "line 1 column 51: an alarm channel has 3 flags"},
        {R"({"sheets": ["\ud800"]})", "line 1 column 20: a \\u escape of a high surrogate without its low one"},
    };
    for (const auto& [text, err] : cases) {
        SCOPED_TRACE(text);
        CliResult r = Run({"import", "-", "-o", Path("b.q4g")}, text);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.err, std::string("q4150cli: standard input: ") + err + "\n");
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(std::filesystem::exists(Path("b.q4g")));
    }
}

// A text without a single cell would put the defaults in the file's place: it is refused, and
// FILE stays as it was or is not made. A text that leaves whole sheets out names them, and
// the import goes on.
TEST_F(CliText, ImportOfNoCellWritesNothingAndSheetsLeftOutAreNamed)
{
    const std::string kept = Path("kept.q4g"), made = Path("made.q4g");
    ASSERT_EQ(Run({"edit", Path("a.q4g"), "-o", kept}, "general 3 1 7\n").code, 0);
    const std::string keptBytes = ReadBytes(kept);
    for (const char* text : {"", "\n# a comment\n\n", "[general]\n", "[general]\n0,Constants,Selections  \n",
                             R"({"sheets":[]})", R"({"sheets":[{"type":0,"rows":[[],[null,null]]}],"alarm_flags":[[]]})"}) {
        SCOPED_TRACE(text);
        for (const std::string& target : {kept, made}) {
            CliResult r = Run({"import", "-", "-o", target}, text);
            EXPECT_EQ(r.code, 2);
            EXPECT_EQ(r.err, "q4150cli: standard input: the text holds no cells\n");
            EXPECT_EQ(r.out, "");
        }
        EXPECT_EQ(ReadBytes(kept), keptBytes);
        EXPECT_FALSE(std::filesystem::exists(made));
    }

    const std::pair<const char*, const char*> leftOut[] = {
        {"[general]\n3,,7\n[physical]\n1,,10 V\n", "Logical Input, Alarm; they keep their defaults"},
        {"[alarm-flag]\n1,OFF\n", "General, Physical Input, Logical Input; they keep their defaults"},
        {R"({"sheets":[{"type":1,"rows":[[],[null,{"text":"10 V"}]]},{"type":2,"rows":[[],[null,null]]}],)"
         R"("alarm_flags":[[{"text":"OFF"}]]})",
         "General, Logical Input; they keep their defaults"},
        {"[general]\n3,,7\n[physical]\n1,,10 V\n[logical]\n1,,OFF\n", "Alarm; it keeps its defaults"},
    };
    for (const auto& [text, sheets] : leftOut) {
        SCOPED_TRACE(text);
        std::filesystem::remove(made);
        CliResult r = Run({"import", "-", "-o", made}, text);
        EXPECT_EQ(r.code, 0) << r.out;
        EXPECT_EQ(r.err, std::string("q4150cli: the text holds no cells of ") + sheets + "\n");
        EXPECT_TRUE(std::filesystem::exists(made));
    }
    EXPECT_EQ(Run({"diff", Path("a.q4g"), made}).out, "general 3 1: 1 -> 7\nphysical 1 1: OFF -> 10 V\n");
}

// q4150cli new and show: the default document, the text tables and the JSON object.
#include "CliSession.h"
#include "JsonValue.h"

#include "model/CDocumentFile.h"
#include "unit/CQ4kUnit.h"
#include "support/RecordingPrompt.h"

#include <sstream>

using CliShow = CliSession;

TEST_F(CliShow, NewWritesTheDefaultDocument)
{
    CliResult r = Run({"new", Path("a.q4g")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "");
    RecordingPrompt prompt;
    CQ4kUnit unit(prompt);
    unit.Initialize();
    std::vector<uint8_t> expected = CDocumentFile::SaveBytes(unit);
    EXPECT_EQ(ReadBytes(Path("a.q4g")), std::string(expected.begin(), expected.end()));
}

TEST_F(CliShow, GeneralSheetIsAnAlignedTable)
{
    ASSERT_EQ(Run({"new", Path("a.q4g")}).code, 0);
    CliResult r = Run({"show", Path("a.q4g"), "--sheet", "general"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "General\n"
              "Constants               Selections\n"
              "Initialization          OFF\n"
              "Function Test           OFF\n"
              "Device Number           1\n"
              "Protocol                MODBUS\n"
              "RS 485 Baud Rate        9600\n"
              "RS 232 Baud Rate        9600\n"
              "Remote LED Test         OFF\n"
              "Remote Reset            OFF\n"
              "Reset Function          DEFAULT\n"
              "Output Follows Alarm    OFF\n"
              "Block                   OFF\n"
              "Alarm Out Inverted      OFF\n"
              "Second Alarm Pulse      OFF\n"
              "Hysteresis in %         0\n");
    EXPECT_EQ(Run({"show", Path("a.q4g"), "--sheet=0"}).out, r.out);
}

TEST_F(CliShow, EverySheetShowsTheRowsOfItsGrid)
{
    ASSERT_EQ(Run({"new", Path("a.q4g")}).code, 0);
    CliResult r = Run({"show", Path("a.q4g")});
    ASSERT_EQ(r.code, 0) << r.err;
    std::vector<std::string> lines = Lines(r.out);
    // Title, header row and channels of each sheet, a blank line between sheets.
    ASSERT_EQ(lines.size(), (1 + 15) + 1 + (1 + 25) + 1 + (1 + 8) + 1 + (1 + 49));
    EXPECT_EQ(lines[17], "Physical Input");
    EXPECT_EQ(lines[18], "Input  InpTp  LCDU  InpLo  LCDLo  InpUp  LCDUp  Misc.");
    EXPECT_EQ(lines[44], "Logical Input");
    EXPECT_EQ(lines[54], "Alarm");
    EXPECT_EQ(lines[55].substr(0, 22), "Alarms    InpRef  DynR");
    EXPECT_NE(lines[55].find("<>\xC2\xB1"), std::string::npos) << "the plus-minus sign in UTF-8";
    EXPECT_EQ(Run({"show", Path("a.q4g"), "--sheet", "3"}).out, r.out.substr(r.out.find("Alarm\n")));
}

TEST_F(CliShow, JsonHoldsEveryCellOfEverySheetAndTheFlagCells)
{
    ASSERT_EQ(Run({"new", Path("a.q4g")}).code, 0);
    CliResult r = Run({"show", Path("a.q4g"), "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    JsonValue doc = JsonValue::Parse(r.out);
    EXPECT_EQ(doc["version"].number, 3);
    const JsonValue& sheets = doc["sheets"];
    ASSERT_EQ(sheets.size(), 4u);
    struct Sheet {
        const char* title;
        int shown, sections, cells;
    } const expected[4] = {{"General", 15, 65, 2}, {"Physical Input", 25, 25, 8}, {"Logical Input", 8, 9, 20}, {"Alarm", 49, 49, 17}};
    for (size_t s = 0; s < 4; ++s) {
        SCOPED_TRACE(expected[s].title);
        EXPECT_EQ(sheets[s]["title"].text, expected[s].title);
        EXPECT_EQ(sheets[s]["type"].number, static_cast<int64_t>(s));
        EXPECT_EQ(sheets[s]["rows_shown"].number, expected[s].shown);
        ASSERT_EQ(sheets[s]["rows"].size(), static_cast<size_t>(expected[s].sections));
        for (const JsonValue& row : sheets[s]["rows"].items)
            EXPECT_EQ(row.size(), static_cast<size_t>(expected[s].cells));
    }
    const JsonValue& protocol = sheets[0]["rows"][4][1];
    EXPECT_EQ(protocol["name"].text, "Protocol");
    EXPECT_EQ(protocol["data_type"].number, 30);
    EXPECT_EQ(protocol["editable"].number, 1);
    EXPECT_EQ(protocol["sel"].number, 1);
    EXPECT_EQ(protocol["style"].number, 0);
    EXPECT_EQ(protocol["text_len"].number, -1);
    EXPECT_EQ(protocol["colour"].number, 0xFF000000LL);
    ASSERT_EQ(protocol["items"].size(), 2u);
    EXPECT_EQ(protocol["items"][0].text, "NORDA BUS");
    EXPECT_EQ(protocol["text"].text, "MODBUS");
    EXPECT_EQ(sheets[0]["rows"][64][0]["name"].text, "GEN_CONST_63");
    EXPECT_EQ(sheets[0]["rows"][64][0]["items"].size(), 0u);
    EXPECT_EQ(sheets[1]["rows"][1][2]["text_len"].number, 4);
    EXPECT_EQ(sheets[3]["rows"][0][3]["text"].text, "<>\xC2\xB1");

    const JsonValue& flags = doc["alarm_flags"];
    ASSERT_EQ(flags.size(), 48u);
    const char* const names[3] = {"Block", "Control", "Hysteresis"};
    for (const JsonValue& channel : flags.items) {
        ASSERT_EQ(channel.size(), 3u);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(channel[i]["name"].text, names[i]);
            EXPECT_EQ(channel[i]["text"].text, "OFF");
        }
    }
}

TEST_F(CliShow, JsonEscapesQuotesBackslashesAndControlBytes)
{
    ASSERT_EQ(Run({"new", Path("a.q4g")}).code, 0);
    CliResult edit = Run({"edit", Path("a.q4g")}, "physical 1 1 10 V\nalarm 1 1 IN 11\nalarm 1 5 \"a\\\\b\\x01\\xB0\n");
    ASSERT_EQ(edit.code, 0) << edit.err;
    ASSERT_EQ(edit.out, "ok\nok\nok\n");
    CliResult r = Run({"show", Path("a.q4g"), "--json", "--sheet", "alarm"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find(R"("text":"\"a\\b\u0001°")"), std::string::npos);
    JsonValue doc = JsonValue::Parse(r.out);
    ASSERT_EQ(doc["sheets"].size(), 1u);
    EXPECT_EQ(doc["sheets"][0]["rows"][1][5]["text"].text, "\"a\\b\x01\xC2\xB0");
    // The text table shows the same cell with the escapes the edit command reads.
    EXPECT_NE(Run({"show", Path("a.q4g"), "--sheet", "alarm"}).out.find("\"a\\\\b\\x01\xC2\xB0"), std::string::npos);
}

TEST_F(CliShow, UsageAndFileErrorsExitWithTwo)
{
    ASSERT_EQ(Run({"new", Path("a.q4g")}).code, 0);
    WriteBytes(Path("bad.q4g"), "\x03");
    struct Case {
        std::vector<std::string> args;
        std::string err;
    } const cases[] = {
        {{}, "q4150cli: no command given; try q4150cli --help\n"},
        {{"frobnicate"}, "q4150cli: unknown command frobnicate; try q4150cli --help\n"},
        {{"show"}, "q4150cli: usage: show FILE [--sheet S] [--json]\n"},
        {{"show", Path("a.q4g"), "--sheet", "outputs"}, "q4150cli: unknown sheet outputs (general, physical, logical, alarm or 0 to 3)\n"},
        {{"show", Path("a.q4g"), "--sheet"}, "q4150cli: option --sheet needs a value\n"},
        {{"show", Path("a.q4g"), "--xml"}, "q4150cli: unknown option --xml\n"},
        {{"show", Path("none.q4g")}, "q4150cli: cannot open " + Path("none.q4g") + ": No such file or directory\n"},
        {{"show", Path("bad.q4g")}, "q4150cli: " + Path("bad.q4g") + " is not a valid Q4150 file: unexpected end of file\n"},
        {{"new", Path("bad.q4g/x.q4g")}, "q4150cli: cannot write " + Path("bad.q4g/x.q4g") + ": Not a directory\n"},
    };
    for (const Case& c : cases) {
        CliResult r = Run(c.args);
        EXPECT_EQ(r.code, 2) << r.err;
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "");
    }
    CliResult help = Run({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* command : {"new FILE", "show FILE", "edit FILE", "diff A B"})
        EXPECT_NE(help.out.find(std::string("q4150cli ") + command), std::string::npos) << command;
}

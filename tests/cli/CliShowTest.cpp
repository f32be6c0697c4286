// q4150cli new and show: the default document, the text tables and the JSON object; and the
// usage and file errors of every command, a standard output that fails, read-only files.
#include "CliSession.h"

#include "model/CJsonReader.h"
#include "model/CDocumentFile.h"
#include "unit/CQ4kUnit.h"
#include "support/RecordingPrompt.h"

#include <tuple>

using CliShow = CliSession;

// The file new writes, as the document reader finds it: the version and the four records in
// their order, and known cells of every sheet at their factory settings.
TEST_F(CliShow, NewWritesTheFactorySetUp)
{
    EXPECT_EQ(m_strDefault.substr(0, 12), std::string("\x03\0\0\0\x07General", 12));
    size_t at = 12;
    for (const char* title : {"\x0E" "Physical Input", "\x0D" "Logical Input", "\x05" "Alarm"}) {
        at = m_strDefault.find(title, at);
        EXPECT_NE(at, std::string::npos) << title + 1;
    }

    RecordingPrompt prompt;
    CQ4kUnit unit(prompt);
    CDocumentFile file;
    q4::Status loaded = file.Load(unit, Path("a.q4g"));
    ASSERT_TRUE(loaded) << loaded.Reason();
    EXPECT_TRUE(prompt.Messages().empty());
    std::vector<std::tuple<int, int, int, std::string>> cells = {
        {ST_GENERAL, 1, 1, "OFF"},      // Initialization
        {ST_GENERAL, 3, 1, "1"},        // Device Number
        {ST_GENERAL, 4, 1, "MODBUS"},   // Protocol
        {ST_GENERAL, 5, 1, "9600"},     // RS 485 baud rate
        {ST_GENERAL, 9, 1, "DEFAULT"},  // Reset Function
        {ST_GENERAL, 11, 1, "OFF"},     // Block
        {ST_GENERAL, 14, 1, "0"},       // Hysteresis in %
        {ST_PHYSICAL, 24, 0, "IN 83"},
        {ST_LOGICAL, 7, 0, "LOG7 (3A)"},
        {ST_ALARM, 48, 3, "<"},
        {ST_ALARM, 1, 9, "..."},        // Flags
    };
    for (int row = 1; row <= 24; ++row)
        cells.emplace_back(ST_PHYSICAL, row, 1, "OFF");  // input type
    for (int row = 1; row <= 7; ++row) {
        for (int col = 1; col <= 12; ++col)
            cells.emplace_back(ST_LOGICAL, row, col, "OFF");  // the inputs combined
    }
    for (int row = 1; row <= 48; ++row) {
        cells.emplace_back(ST_ALARM, row, 1, "OFF");  // the input referred to
        cells.emplace_back(ST_ALARM, row, 6, "0.3");  // delay in seconds
    }
    for (const auto& [sheet, row, col, text] : cells)
        EXPECT_EQ(unit.GetSetupType(sheet)->GetCellText(row, col), text) << sheet << " " << row << " " << col;
}

// Whatever a command prints, a write to standard output that fails is exit status 2 with the
// system's reason; a command that saves after its report saves nothing.
TEST_F(CliShow, AFailedWriteToStandardOutputIsExitTwoWithTheReason)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    const std::string a = Path("a.q4g"), b = Path("b.q4g"), c = Path("c.q4g");
    ASSERT_EQ(Run({"edit", a, "-o", b}, "general 3 1 7\n").code, 0);
    const std::string edited = ReadBytes(b);
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--help"}, ""},
        {{"show", "--help"}, ""},
        {{"show", a}, ""},
        {{"show", a, "--json"}, ""},
        {{"blocks", a}, ""},
        {{"diff", a, b}, ""},
        {{"export", a}, ""},
        {{"export", a, "--format", "csv"}, ""},
        {{"edit", b}, "general 3 1 9\n"},
        {{"import", "-", "-o", c}, "[general]\n3,,99\n[physical]\n1,,OFF\n[logical]\n1,,OFF\n[alarm]\n1,,OFF\n"},
    };
    for (const auto& [args, input] : cases) {
        SCOPED_TRACE(args[0] + " " + args.back());
        CliResult r = Run(args, input, "/dev/full");
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.err, "q4150cli: cannot write to standard output: No space left on device\n");
    }
    EXPECT_EQ(ReadBytes(b), edited);
    EXPECT_FALSE(std::filesystem::exists(c));
}

// A reader that goes away (show FILE | head -c10) is an output that takes no more: exit status 2
// with the reason, and no death by SIGPIPE.
TEST_F(CliShow, AClosedPipeIsExitTwoWithTheReason)
{
    const std::string a = Path("a.q4g"), b = Path("b.q4g");
    ASSERT_EQ(Run({"edit", a, "-o", b}, "general 3 1 7\n").code, 0);
    const std::vector<std::string> cases[] = {
        {"show", a}, {"export", a}, {"blocks", a}, {"diff", a, b},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args[0]);
        int pipeFds[2];
        ASSERT_EQ(pipe(pipeFds), 0);
        ::close(pipeFds[0]);  // the reader is gone before anything is written
        CliResult r = Run(args, "", "/dev/fd/" + std::to_string(pipeFds[1]));
        ::close(pipeFds[1]);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.err, "q4150cli: cannot write to standard output: Broken pipe\n");
    }
}

// A document or text that is read-only stays as it is, byte for byte and with its mode: every
// command that would write it says why.
TEST_F(CliShow, ReadOnlyFilesAreNotReplaced)
{
    namespace fs = std::filesystem;
    const std::string a = Path("a.q4g"), locked = Path("locked.q4g"), text = Path("a.csv"), lockedText = Path("locked.csv");
    ASSERT_EQ(Run({"export", a, "--format", "csv", "-o", text}).code, 0);
    fs::copy_file(a, locked);
    fs::copy_file(text, lockedText);
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(locked, readOnly);
    fs::permissions(lockedText, readOnly);
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"new", locked}, locked},
        {{"edit", locked}, locked},
        {{"edit", a, "-o", locked}, locked},
        {{"import", text, "-o", locked}, locked},
        {{"export", a, "-o", lockedText}, lockedText},
    };
    for (const auto& [args, target] : cases) {
        SCOPED_TRACE(args[0]);
        CliResult r = Run(args, "general 3 1 7\n");
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.err, "q4150cli: cannot write " + target + ": Permission denied\n");
    }
    EXPECT_EQ(ReadBytes(locked), m_strDefault);
    EXPECT_EQ(ReadBytes(lockedText), ReadBytes(text));
    EXPECT_EQ(fs::status(locked).permissions(), readOnly);
    EXPECT_EQ(fs::status(lockedText).permissions(), readOnly);
}

TEST_F(CliShow, EverySheetShowsTheRowsOfItsGridAligned)
{
    CliResult r = Run({"show", Path("a.q4g")});
    ASSERT_EQ(r.code, 0) << r.err;
    std::vector<std::string> lines = Lines(r.out);
    // Title, header row and channels of each sheet, a blank line between sheets.
    ASSERT_EQ(lines.size(), (1 + 15) + 1 + (1 + 25) + 1 + (1 + 8) + 1 + (1 + 49));
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 3),
              (std::vector<std::string>{"General", "Constants               Selections", "Initialization          OFF"}));
    EXPECT_EQ((std::vector<std::string>{lines[17], lines[44], lines[54]}),
              (std::vector<std::string>{"Physical Input", "Logical Input", "Alarm"}));
    EXPECT_EQ(lines[55].substr(0, 22), "Alarms    InpRef  DynR");
    EXPECT_NE(lines[55].find("<>\xC2\xB1"), std::string::npos) << "the plus-minus sign in UTF-8";
    EXPECT_EQ(Run({"show", Path("a.q4g"), "--sheet=0"}).out, r.out.substr(0, r.out.find("\n\n") + 1));
    EXPECT_EQ(Run({"show", Path("a.q4g"), "--sheet", "alarm"}).out, r.out.substr(r.out.find("Alarm\n")));
}

TEST_F(CliShow, JsonHoldsEveryCellOfEverySheetAndTheFlagCellsWithTheirTextsEscaped)
{
    CliResult edit = Run({"edit", Path("a.q4g")},
                         "physical 1 1 10 V\nalarm 1 1 IN 11\nalarm 1 9 C\nalarm 1 5 \"a\\\\b\\x01\\xB0\n");
    ASSERT_EQ(edit.out, "ok\nok\nok\nok\n") << edit.err;
    CliResult r = Run({"show", Path("a.q4g"), "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    JsonValue doc = CJsonReader::Parse(r.out);
    EXPECT_EQ(doc.At("version").text, "3");
    const std::vector<JsonValue>& sheets = doc.At("sheets").items;
    ASSERT_EQ(sheets.size(), 4u);
    // Title, rows the grid shows, sections and cells a section: hidden rows are included.
    const std::tuple<const char*, int, size_t, size_t> expected[4] = {
        {"General", 15, 65, 2}, {"Physical Input", 25, 25, 8}, {"Logical Input", 8, 9, 20}, {"Alarm", 49, 49, 17}};
    for (size_t s = 0; s < 4; ++s) {
        const auto& [title, shown, sections, cells] = expected[s];
        EXPECT_EQ(sheets[s].At("title").text, title);
        EXPECT_EQ(sheets[s].At("type").text, std::to_string(s));
        EXPECT_EQ(sheets[s].At("rows_shown").text, std::to_string(shown));
        ASSERT_EQ(sheets[s].At("rows").items.size(), sections);
        for (const JsonValue& row : sheets[s].At("rows").items)
            EXPECT_EQ(row.items.size(), cells) << title;
    }
    // Every field of a cell, as the grids and files know it.
    EXPECT_NE(r.out.find(R"({"name":"Protocol","data_type":30,"editable":1,"sel":1,"style":0,"text_len":-1,)"
                         R"("colour":4278190080,"items":["NORDA BUS","MODBUS"],"text":"MODBUS"}],[)"),
              std::string::npos);

    const std::vector<JsonValue>& flags = doc.At("alarm_flags").items;
    ASSERT_EQ(flags.size(), 48u);
    const char* const names[3] = {"Block", "Control", "Hysteresis"};
    for (const JsonValue& channel : flags) {
        ASSERT_EQ(channel.items.size(), 3u);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(channel.items[i].At("name").text, names[i]);
            EXPECT_EQ(channel.items[i].At("text").text, &channel == &flags[0] && i == 1 ? "ON" : "OFF");
        }
    }
    EXPECT_NE(r.out.find(R"("text":"\"a\\b\u0001°")"), std::string::npos);
    EXPECT_EQ(sheets[3].At("rows").items[1].items[5].At("text").text, "\"a\\b\x01\xC2\xB0");
    JsonValue alarms = CJsonReader::Parse(Run({"show", Path("a.q4g"), "--json", "--sheet", "alarm"}).out);
    EXPECT_EQ(alarms.At("sheets").items.size(), 1u);
    // The text table shows the same cell with the escapes the edit command reads.
    EXPECT_NE(Run({"show", Path("a.q4g"), "--sheet", "alarm"}).out.find("\"a\\\\b\\x01\xC2\xB0"), std::string::npos);
}

TEST_F(CliShow, UsageAndFileErrorsExitWithTwoWritingNothing)
{
    std::ofstream(Path("bad.q4g")) << "\x03";
    const std::string a = Path("a.q4g"), b = Path("b.q4g"), none = Path("none.q4g"), bad = Path("bad.q4g");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "no command given; try q4150cli --help"},
        {{"frobnicate"}, "unknown command frobnicate; try q4150cli --help"},
        {{"upload", a}, "usage: upload FILE [--backup BACKUP] [--strict] [--force] [--all-blocks] --port PORT [--retries N] [--baud N] [--fixed-wait MS] [--plant PLANT --tag TAG]"},
        {{"show", a, "--sheet", "outputs"}, "unknown sheet outputs (general, physical, logical, alarm or 0 to 3)"},
        {{"show", a, "--sheet"}, "option --sheet needs a value"},
        {{"show", a, "--xml"}, "unknown option --xml"},
        {{"upload", a, "--port", "/dev/null", "--retries", "-1"}, "--retries takes a whole number from 0 to 1000, not -1"},
        {{"upload", a, "--port", "/dev/null", "--baud", "12345"}, "--baud 12345 is no rate a serial port takes"},
        {{"download", b, "--port", "/dev/null", "--fixed-wait", "fast"},
         "--fixed-wait takes a whole number from 0 to 10000, not fast"},
        {{"diff", a, none}, "cannot open " + none + ": No such file or directory"},
        {{"show", bad}, bad + " is not a valid Q4150 file: unexpected end of file"},
        {{"new", bad + "/x.q4g"}, "cannot write " + bad + "/x.q4g: Not a directory"},
        {{"export", a, "-o", bad + "/x.csv"}, "cannot write " + bad + "/x.csv: Not a directory"},
        {{"export", a, "--format", "xml"}, "--format takes json or csv, not xml"},
        {{"import", a}, "usage: import TEXT -o FILE"},
    };
    for (const auto& [args, err] : cases) {
        CliResult r = Run(args);
        EXPECT_EQ(r.code, 2) << r.err;
        EXPECT_EQ(r.err, "q4150cli: " + err + "\n");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(b));
    CliResult help = Run({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out.rfind("usage: q4150cli COMMAND", 0), 0u);
    for (const char* usage : {"\nq4150cli export FILE [--format json|csv] [-o OUT]\n", "\nq4150cli import TEXT -o FILE\n"})
        EXPECT_NE(help.out.find(usage), std::string::npos) << usage;
}

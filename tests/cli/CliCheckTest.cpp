// q4150cli check and plant check: the findings' lines and count, the exit codes (0 with notes
// alone, 1 with an error or a warning, 2 for a file or usage error), --ignore, the JSON, and a
// plant's units each checked without the rules its entry ignores.
#include "CliSession.h"

#include "model/CJsonReader.h"

namespace {

// IN 11 watched by alarm 1 (> 50, named, LED 1): a set-up without findings, in edit lines.
const char g_Clean[] = "physical 1 1 10 V\nphysical 1 5 10\nphysical 1 6 100\n"
                       "alarm 1 1 IN 11\nalarm 1 3 >\nalarm 1 4 50\nalarm 1 5 TANK\nalarm 1 7 1\n";

class CliCheck : public CliSession {
protected:
    // A copy of the default document named name, edited with the lines given.
    std::string Document(const std::string& name, const std::string& edits)
    {
        const std::string path = Path(name);
        std::ofstream(path, std::ios::binary) << m_strDefault;
        if (!edits.empty()) {
            CliResult edited = Run({"edit", path}, edits);
            EXPECT_EQ(edited.code, 0) << edited.out << edited.err;
        }
        return path;
    }
};

TEST_F(CliCheck, ExitCodeFollowsErrorsAndWarningsNotNotes)
{
    struct Case {
        const char* name;
        std::string edits;
        std::vector<std::string> extra;
        int code;
        std::vector<std::string> out;
    };
    const std::string clean = g_Clean;
    const Case cases[] = {
        {"default", "", {}, 0, {"no findings"}},
        {"clean", clean, {}, 0, {"no findings"}},
        {"a note", clean + "general 2 1 ON\n", {}, 0,
         {"note function-test general 2 1: Function Test is ON: the unit is set up for its function test.", "1 note"}},
        {"a warning", clean + "alarm 1 5 \n", {}, 1,
         {"warning unnamed-alarm alarm 1 5: Alarm 1 (A11) has no LCD Text: the unit's display cannot say which alarm it is.",
          "1 warning"}},
        {"an error and a note", clean + "alarm 1 4 100\ngeneral 2 1 ON\n", {}, 1,
         {"note function-test general 2 1: Function Test is ON: the unit is set up for its function test.",
          "error never-trips alarm 1 4: Alarm 1 (A11) watches IN 11 for a value > 100, at or beyond the end of its "
          "display range (0 to 100): it cannot trip while IN 11 reads within its range.",
          "1 error, 1 note"}},
        {"the error ignored", clean + "alarm 1 4 100\ngeneral 2 1 ON\n", {"--ignore", "never-trips"}, 0,
         {"note function-test general 2 1: Function Test is ON: the unit is set up for its function test.", "1 note"}},
        {"both ignored, in two options", clean + "alarm 1 4 100\ngeneral 2 1 ON\n",
         {"--ignore", "function-test", "--ignore=never-trips"}, 0, {"no findings"}},
        {"a text the unit cannot hold", clean + "alarm 1 6 2.555\n", {}, 1,
         {"error unholdable alarm 1 6: Alarm 1 (A11), Delay (s): the unit cannot hold \"2.555\" as it reads and would "
          "hold \"2.6\".",
          "1 error"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = {"check", Document("c.q4g", c.edits)};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        CliResult result = Run(args);
        EXPECT_EQ(result.code, c.code);
        EXPECT_EQ(Lines(result.out), c.out);
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(CliCheck, FileAndUsageErrorsExitWithTwoAndPrintNoFindings)
{
    const std::string document = Document("c.q4g", std::string(g_Clean) + "alarm 1 4 100\n");
    std::ofstream(Path("damaged.q4g"), std::ios::binary) << m_strDefault.substr(0, m_strDefault.size() / 2);
    struct Case {
        std::vector<std::string> args;
        const char* err;
    };
    const Case cases[] = {
        {{"check", Path("missing.q4g")}, "cannot open"},
        {{"check", Path("damaged.q4g")}, "damaged.q4g"},
        {{"check"}, "usage: check FILE [--json] [--ignore RULE,...]"},
        {{"check", document, document}, "usage:"},
        {{"check", document, "--ignore", "never-trip"}, "--ignore: no rule is called \"never-trip\""},
        {{"check", document, "--ignore", "never-trips,"}, "--ignore: an empty rule name"},
        {{"check", document, "--strict"}, "--strict"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        CliResult result = Run(c.args);
        EXPECT_EQ(result.code, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    }
}

TEST_F(CliCheck, JsonHoldsEveryFindingWithItsCells)
{
    const std::string document = Document("c.q4g", std::string(g_Clean) + "alarm 2 1 IN 11\nalarm 2 3 >\nalarm 2 4 50\n"
                                                                          "alarm 2 5 AGAIN\nalarm 2 7 1\n"
                                                                          "alarm 3 1 IN 11\n");
    CliResult result = Run({"check", document, "--json", "--ignore", "unnamed-alarm"});
    EXPECT_EQ(result.code, 1);
    const JsonValue json = CJsonReader::Parse(result.out);
    ASSERT_EQ(json.kind, JsonValue::Kind::Array);
    struct Expected {
        const char* severity;
        const char* rule;
        const char* sheet;
        const char* row;
        const char* col;
        const char* channel;
        std::vector<std::string> others;  // "sheet row col"
    };
    // Alarm 3 as it is when its InpRef is set: "<" with the set point 0, at LCDLo; no LED, no output.
    const Expected expected[] = {
        {"warning", "duplicate-alarm", "alarm", "2", "4", "Alarm 2 (A12)", {"alarm 1 4"}},
        {"error", "never-trips", "alarm", "3", "4", "Alarm 3 (A13)", {}},
        {"warning", "unseen-alarm", "alarm", "3", "7", "Alarm 3 (A13)", {"alarm 3 8"}},
    };
    ASSERT_EQ(json.items.size(), std::size(expected)) << result.out;
    for (size_t i = 0; i < std::size(expected); ++i) {
        const JsonValue& f = json.items[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(e.rule);
        EXPECT_EQ(f.At("severity").text, e.severity);
        EXPECT_EQ(f.At("rule").text, e.rule);
        EXPECT_EQ(f.At("sheet").text, e.sheet);
        EXPECT_EQ(f.At("row").text, e.row);
        EXPECT_EQ(f.At("col").text, e.col);
        EXPECT_EQ(f.At("channel").text, e.channel);
        EXPECT_EQ(f.At("text").text.rfind(std::string(e.channel) + " ", 0), 0u);
        std::vector<std::string> others;
        for (const JsonValue& o : f.At("others").items)
            others.push_back(o.At("sheet").text + " " + o.At("row").text + " " + o.At("col").text);
        EXPECT_EQ(others, e.others);
    }
    // Without findings: an empty array, exit 0.
    result = Run({"check", Document("d.q4g", ""), "--json"});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, "[]\n");
}

// ---- plant check, and the ignores kept in the plant file ------------------------------------

class CliPlantCheck : public CliCheck {
protected:
    void SetUp() override
    {
        CliCheck::SetUp();
        plant = Path("works.q4plant");
        ASSERT_EQ(Run({"plant", "new", plant}).code, 0);
        // AN-1: a note and a warning; AN-2: clean, device 2; AN-3: no file.
        Document("an-1.q4g", std::string(g_Clean) + "general 2 1 ON\nalarm 1 7 OFF\n");
        Document("an-2.q4g", std::string(g_Clean) + "general 3 1 2\n");
        ASSERT_EQ(Run({"plant", "add", plant, Path("an-1.q4g"), "--tag", "AN-1"}).code, 0);
        ASSERT_EQ(Run({"plant", "add", plant, Path("an-2.q4g"), "--tag", "AN-2"}).code, 0);
    }
    std::string plant;
};

TEST_F(CliPlantCheck, EachUnitWithoutTheRulesItIgnores)
{
    CliResult result = Run({"plant", "check", plant});
    EXPECT_EQ(result.code, 1);
    const std::vector<std::string> all = {
        "AN-1 note function-test general 2 1: Function Test is ON: the unit is set up for its function test.",
        "AN-1 warning unseen-alarm alarm 1 7: Alarm 1 (A11) has LED and Output both OFF: nothing lights or switches when it trips.",
        "AN-1: 1 warning, 1 note",
        "AN-2: no findings",
        "2 units: 1 warning, 1 note",
    };
    EXPECT_EQ(Lines(result.out), all);
    EXPECT_EQ(result.err, "");

    ASSERT_EQ(Run({"plant", "set", plant, "--tag", "AN-1", "--ignore", "unseen-alarm, function-test"}).code, 0);
    EXPECT_NE(ReadBytes(plant).find(R"({"tag": "AN-1", "file": "an-1.q4g", "ignore": ["unseen-alarm", "function-test"]})"),
              std::string::npos)
        << ReadBytes(plant);
    result = Run({"plant", "check", plant});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(Lines(result.out), (std::vector<std::string>{"AN-1: no findings", "AN-2: no findings", "2 units: no findings"}));

    // Taken back; the other settings of the unit stay.
    ASSERT_EQ(Run({"plant", "set", plant, "--tag", "AN-1", "--location", "hall"}).code, 0);
    ASSERT_EQ(Run({"plant", "set", plant, "--tag", "AN-1", "--ignore", ""}).code, 0);
    EXPECT_NE(ReadBytes(plant).find(R"({"tag": "AN-1", "file": "an-1.q4g", "location": "hall"})"), std::string::npos);
    EXPECT_EQ(Lines(Run({"plant", "check", plant}).out), all);
}

TEST_F(CliPlantCheck, AUnitThatCannotBeReadOrSharesItsNumberIsTold)
{
    ASSERT_EQ(Run({"plant", "add", plant, Path("an-3.q4g"), "--tag", "AN-3", "--ignore", "shared-led"}).code, 0);
    Document("an-4.q4g", g_Clean);  // device 1, as AN-1
    ASSERT_EQ(Run({"plant", "add", plant, Path("an-4.q4g"), "--tag", "AN-4"}).code, 0);
    ASSERT_EQ(Run({"plant", "set", plant, "--tag", "AN-1", "--ignore", "unseen-alarm,function-test"}).code, 0);
    CliResult result = Run({"plant", "check", plant});
    EXPECT_EQ(result.code, 1);
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 5u) << result.out;
    EXPECT_EQ(lines[2].rfind("AN-3: not checked: cannot open ", 0), 0u) << lines[2];
    EXPECT_EQ(lines[4], "4 units, 1 not checked: no findings");
    EXPECT_NE(result.err.find("q4150cli: AN-1 and AN-4 are both device 1\n"), std::string::npos) << result.err;

    result = Run({"plant", "check", plant, "--json"});
    EXPECT_EQ(result.code, 1);
    const JsonValue json = CJsonReader::Parse(result.out);
    const auto& units = json.At("units").items;
    ASSERT_EQ(units.size(), 4u);
    EXPECT_EQ(units[0].At("ignore").items.size(), 2u);
    EXPECT_EQ(units[0].At("error").kind, JsonValue::Kind::Null);
    EXPECT_EQ(units[0].At("counts").At("notes").text, "0");
    EXPECT_EQ(units[2].At("tag").text, "AN-3");
    EXPECT_EQ(units[2].At("device").kind, JsonValue::Kind::Null);
    EXPECT_EQ(units[2].At("error").kind, JsonValue::Kind::String);
    EXPECT_EQ(units[2].At("ignore").items.at(0).text, "shared-led");
    const auto& shared = json.At("shared_devices").items;
    ASSERT_EQ(shared.size(), 1u);
    EXPECT_EQ(shared[0].items.at(0).text, "AN-1");
    EXPECT_EQ(shared[0].items.at(1).text, "AN-4");
}

TEST_F(CliPlantCheck, AnUnknownRuleOrUnitChangesNothing)
{
    const std::string before = ReadBytes(plant);
    struct Case {
        std::vector<std::string> args;
        const char* err;
    };
    const Case cases[] = {
        {{"plant", "add", plant, Path("an-2.q4g"), "--tag", "AN-5", "--ignore", "shared-leds"}, "no rule is called \"shared-leds\""},
        {{"plant", "set", plant, "--tag", "AN-1", "--ignore", "shared-leds"}, "no rule is called \"shared-leds\""},
        {{"plant", "set", plant, "--tag", "AN-9", "--note", "x"}, "has no unit AN-9"},
        {{"plant", "set", plant, "--tag", "AN-1"}, "usage: plant set PLANT --tag TAG"},
        {{"plant", "check", Path("none.q4plant")}, "cannot open"},
        {{"plant", "check"}, "usage: plant check PLANT [--json]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.err);
        CliResult result = Run(c.args);
        EXPECT_EQ(result.code, 2);
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
        EXPECT_EQ(ReadBytes(plant), before);
    }
}

}  // namespace

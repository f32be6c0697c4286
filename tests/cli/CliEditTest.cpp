// q4150cli edit: edits as typed into the grids, their results, questions, pop-up initials,
// Cut, escapes, and malformed input that writes nothing.
#include "CliSession.h"
#include "JsonValue.h"

class CliEdit : public CliSession {
protected:
    void SetUp() override
    {
        CliSession::SetUp();
        ASSERT_EQ(Run({"new", Path("a.q4g")}).code, 0);
        m_strOriginal = ReadBytes(Path("a.q4g"));
    }
    JsonValue Show(const std::string& file)
    {
        CliResult r = Run({"show", Path(file), "--json"});
        EXPECT_EQ(r.code, 0) << r.err;
        return JsonValue::Parse(r.out);
    }
    static std::string Text(const JsonValue& doc, int sheet, int row, int col)
    {
        return doc["sheets"][static_cast<size_t>(sheet)]["rows"][static_cast<size_t>(row)][static_cast<size_t>(col)]["text"].text;
    }

    std::string m_strOriginal;
};

TEST_F(CliEdit, EachEditPrintsOkOrTheRefusalWithItsMessage)
{
    CliResult r = Run({"edit", Path("a.q4g")},
                      "# device number, then an invalid one\n"
                      "general 3 1 7\n"
                      "\n"
                      "general 3 1 99\r\n"
                      "general 0 1 anything\n"
                      "physical 1 1 10 V\n"
                      "physical 1 2 \xC2\xB0" "C\n"
                      "alarm 1 1 IN 12\n"
                      "alarm 1 1 IN 11\n"
                      "alarm 1 5 PUMP \\xB1\\\\1\n");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "ok\n"
              "refused 62012 Invalid value. Last value will be used.\n"
              "refused 62012 Invalid value. Last value will be used.\n"
              "ok\n"
              "ok\n"
              "refused 62010 This input channel is not active.\n"
              "ok\n"
              "ok\n");
    JsonValue doc = Show("a.q4g");
    EXPECT_EQ(Text(doc, 0, 3, 1), "7");
    EXPECT_EQ(Text(doc, 1, 1, 1), "10 V");
    EXPECT_EQ(Text(doc, 1, 1, 2), "\xC2\xB0" "C");
    EXPECT_EQ(Text(doc, 3, 1, 1), "IN 11");
    EXPECT_EQ(Text(doc, 3, 1, 11), "\xC2\xB0" "C");
    EXPECT_EQ(Text(doc, 3, 1, 5), "PUMP \xC2\xB1\\1");
}

TEST_F(CliEdit, QuestionIsAnsweredOkOnlyWithYes)
{
    CliResult no = Run({"edit", Path("a.q4g"), "-o", Path("no.q4g")}, "general 1 1 CONFIG\n");
    CliResult yes = Run({"edit", Path("a.q4g"), "--yes", "-o", Path("yes.q4g")}, "general 1 1 CONF + GEN\n");
    const std::string question =
        "question: Warning: This will restore default configuration of all parameters and general constants "
        "in the Q4000 on next power up. Press OK to continue or Cancel -> ";
    ASSERT_EQ(no.code, 0) << no.err;
    EXPECT_EQ(no.out,
              "question: Warning: This will restore default configuration of all parameters in the Q4000 on next "
              "power up. Press OK to continue or Cancel -> Cancel\nrefused 0\n");
    ASSERT_EQ(yes.code, 0) << yes.err;
    EXPECT_EQ(yes.out, question + "OK\nok\n");
    EXPECT_EQ(Text(Show("no.q4g"), 0, 1, 1), "OFF");
    EXPECT_EQ(Text(Show("yes.q4g"), 0, 1, 1), "CONF + GEN");
    EXPECT_EQ(ReadBytes(Path("a.q4g")), m_strOriginal) << "-o leaves the input file alone";
}

TEST_F(CliEdit, PopupCellTakesInitialsAndMessagesComeFirst)
{
    CliResult r = Run({"edit", Path("a.q4g")},
                      "physical 2 1 20 mA\n"
                      "alarm 4 1 IN 12\n"
                      "alarm 4 9 CH\n"
                      "alarm 5 9 C\n"
                      "alarm 4 9 BH\n");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "ok\n"
              "ok\n"
              "ok\n"
              "message: This alarm is disabled. Not able to change this parameter.\n"
              "refused 62007 This alarm is disabled. Not able to change this parameter.\n"
              "message: Block is disabled. Enable BLOCK in General pane for this parameter to take effect.\n"
              "ok\n");
    JsonValue doc = Show("a.q4g");
    // "BH": Block on, Control skipped and so off, Hysteresis on.
    const JsonValue& flags = doc["alarm_flags"][3];
    EXPECT_EQ(flags[0]["text"].text, "ON");
    EXPECT_EQ(flags[1]["text"].text, "OFF");
    EXPECT_EQ(flags[2]["text"].text, "ON");
    EXPECT_EQ(Text(doc, 3, 4, 9), "BH");
    EXPECT_EQ(doc["alarm_flags"][4][1]["text"].text, "OFF");
}

TEST_F(CliEdit, CutPutsTheRowBackToItsDefaults)
{
    CliResult r = Run({"edit", Path("a.q4g")},
                      "physical 3 1 24 V\n"
                      "physical 3 5 20\n"
                      "physical 4 1 10 V\n"
                      "cut physical 3\n");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "ok\nok\nok\nok\n");
    JsonValue doc = Show("a.q4g");
    EXPECT_EQ(Text(doc, 1, 3, 1), "OFF");
    EXPECT_EQ(Text(doc, 1, 3, 5), "0");
    EXPECT_EQ(Text(doc, 1, 4, 1), "10 V");
}

TEST_F(CliEdit, TextIsCutToTheCellsLimit)
{
    CliResult r = Run({"edit", Path("a.q4g")}, "physical 1 1 10 V\nalarm 2 1 IN 11\nalarm 2 5 ABCDEFGHIJKLMN\n");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "ok\nok\nok\n");
    EXPECT_EQ(Text(Show("a.q4g"), 3, 2, 5), "ABCDEFGHIJ");
}

TEST_F(CliEdit, MalformedLineExitsWithTwoAndWritesNothing)
{
    struct Case {
        std::string line;
        std::string err;
    } const cases[] = {
        {"general 3", "line 2: expected SHEET ROW COL TEXT or cut SHEET ROW"},
        {"outputs 1 1 x", "line 2: unknown sheet \"outputs\" (general, physical, logical, alarm or 0 to 3)"},
        {"general 15 1 x", "line 2: row 15 is not a row of the general grid (0 to 14)"},
        {"logical 1 20 x", "line 2: column 20 is not a column of the logical grid (0 to 19)"},
        {"general x 1 5", "line 2: the row \"x\" is not a number"},
        {"general  3 1 5", "line 2: the row \"\" is not a number"},
        {"cut alarm 0", "line 2: row 0 is not a row of the alarm grid (1 to 48)"},
        {"cut alarm 1 x", "line 2: expected SHEET ROW COL TEXT or cut SHEET ROW"},
        {"general 3 1 \\q", "line 2: a backslash in the text must start \\xHH or \\\\"},
        {"general 3 1 \\x4", "line 2: a backslash in the text must start \\xHH or \\\\"},
        {"general 3 1 \xB1", "line 2: the text is not UTF-8 or holds a character outside Windows-1252 (write bytes as \\xHH)"},
        {"general 3 1 \xE2\x86\x92", "line 2: the text is not UTF-8 or holds a character outside Windows-1252 (write bytes as \\xHH)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        CliResult r = Run({"edit", Path("a.q4g"), "-o", Path("out.q4g")}, "general 3 1 9\n" + c.line + "\n");
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "") << "nothing is applied before every line is read";
        EXPECT_EQ(r.err, "q4150cli: " + c.err + "\n");
        EXPECT_FALSE(Exists(Path("out.q4g")));
    }
    CliResult r = Run({"edit", Path("a.q4g")}, "general 3 1 9\ngeneral 3\n");
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(ReadBytes(Path("a.q4g")), m_strOriginal);
}

TEST_F(CliEdit, FileThatCannotBeWrittenExitsWithTwo)
{
    WriteBytes(Path("plain"), "x");
    CliResult r = Run({"edit", Path("a.q4g"), "-o", Path("plain/out.q4g")}, "general 3 1 9\n");
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "ok\n");
    EXPECT_EQ(r.err, "q4150cli: cannot write " + Path("plain/out.q4g") + ": Not a directory\n");
}

// q4150cli edit and diff: edits as typed into the grids, their results, questions, pop-up
// initials, Cut, escapes, malformed input that writes nothing; and the cells that changed.
#include "CliSession.h"

using CliEdit = CliSession;

TEST_F(CliEdit, EachEditPrintsItsResultAndDiffListsTheCellsChanged)
{
    CliResult r = Run({"edit", Path("a.q4g"), "-o", Path("b.q4g")},
                      "# device number, then an invalid one\n"
                      "general 3 1 7\n"
                      "\n"
                      "general 3 1 99\r\n"
                      "physical 1 1 10 V\n"
                      "physical 1 2 \xC2\xB0" "C\n"
                      "alarm 1 1 IN 12\n"
                      "alarm 1 1 IN 11\n"
                      "alarm 1 5 P\\x09\\xB1\\\\1 LONG TEXT\n"
                      "alarm 1 9 C\n");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "ok\n"
              "refused 62012 Invalid value. Last value will be used.\n"
              "ok\nok\n"
              "refused 62010 This input channel is not active.\n"
              "ok\nok\nok\n");
    CliResult diff = Run({"diff", Path("a.q4g"), Path("b.q4g")});
    EXPECT_EQ(diff.code, 1) << diff.err;
    // Choosing the input fills the alarm's parameter columns from it; the text is cut to the
    // cell's ten characters, as the grid's editor does.
    EXPECT_EQ(diff.out,
              "general 3 1: 1 -> 7\n"
              "physical 1 1: OFF -> 10 V\n"
              "physical 1 2:  -> \xC2\xB0" "C\n"
              "alarm 1 1: OFF -> IN 11\n"
              "alarm 1 5:  -> P\\x09\xC2\xB1\\\\1 LONG\n"
              "alarm 1 9: ... -> C\n"
              "alarm 1 10:  -> 10 V\n"
              "alarm 1 11:  -> \xC2\xB0" "C\n"
              "alarm 1 12:  -> 0\nalarm 1 13:  -> 0\nalarm 1 14:  -> 0\nalarm 1 15:  -> 0\nalarm 1 16:  -> 0\n"
              "alarm-flag 1 1: OFF -> ON\n");
    EXPECT_EQ(Lines(Run({"diff", Path("b.q4g"), Path("a.q4g")}).out)[0], "general 3 1: 7 -> 1");
    CliResult same = Run({"diff", Path("b.q4g"), Path("b.q4g")});
    EXPECT_EQ(same.code, 0) << same.err;
    EXPECT_EQ(same.out, "");
}

TEST_F(CliEdit, QuestionIsAnsweredOkOnlyWithYes)
{
    CliResult no = Run({"edit", Path("a.q4g"), "-o", Path("no.q4g")}, "general 1 1 CONFIG\n");
    CliResult yes = Run({"edit", Path("a.q4g"), "--yes", "-o", Path("yes.q4g")}, "general 1 1 CONF + GEN\n");
    ASSERT_EQ(no.code, 0) << no.err;
    EXPECT_EQ(no.out,
              "question: Warning: This will restore default configuration of all parameters in the Q4000 on next "
              "power up. Press OK to continue or Cancel -> Cancel\nrefused 0\n");
    ASSERT_EQ(yes.code, 0) << yes.err;
    EXPECT_EQ(yes.out,
              "question: Warning: This will restore default configuration of all parameters and general constants "
              "in the Q4000 on next power up. Press OK to continue or Cancel -> OK\nok\n");
    EXPECT_EQ(ReadBytes(Path("no.q4g")), m_strDefault);
    EXPECT_EQ(Run({"diff", Path("a.q4g"), Path("yes.q4g")}).out, "general 1 1: OFF -> CONF + GEN\n");
    EXPECT_EQ(ReadBytes(Path("a.q4g")), m_strDefault) << "-o leaves the input file alone";
}

TEST_F(CliEdit, PopupCellTakesInitialsAndMessagesComeFirst)
{
    CliResult r = Run({"edit", Path("a.q4g"), "-o", Path("b.q4g")},
                      "physical 2 1 20 mA\nalarm 4 1 IN 12\nalarm 4 9 CH\nalarm 5 9 C\nalarm 4 9 BH\n");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "ok\nok\nok\n"
              "message: This alarm is disabled. Not able to change this parameter.\n"
              "refused 62007 This alarm is disabled. Not able to change this parameter.\n"
              "message: Block is disabled. Enable BLOCK in General pane for this parameter to take effect.\n"
              "ok\n");
    // "BH": Block on, Control skipped and so off, Hysteresis on; the disabled alarm 5 unchanged.
    std::vector<std::string> flags;
    for (const std::string& line : Lines(Run({"diff", Path("a.q4g"), Path("b.q4g")}).out)) {
        if (line.rfind("alarm 4 9:", 0) == 0 || line.rfind("alarm-flag", 0) == 0)
            flags.push_back(line);
    }
    EXPECT_EQ(flags,
              (std::vector<std::string>{"alarm 4 9: ... -> BH", "alarm-flag 4 0: OFF -> ON", "alarm-flag 4 2: OFF -> ON"}));
}

TEST_F(CliEdit, CutPutsTheRowBackToItsDefaults)
{
    CliResult r = Run({"edit", Path("a.q4g"), "-o", Path("b.q4g")},
                      "physical 3 1 24 V\nphysical 3 5 20\nphysical 4 1 10 V\ncut physical 3\n");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "ok\nok\nok\nok\n");
    EXPECT_EQ(Run({"diff", Path("a.q4g"), Path("b.q4g")}).out, "physical 4 1: OFF -> 10 V\n");
}

TEST_F(CliEdit, MalformedLineOrUnwritableFileExitsWithTwoAndWritesNothing)
{
    const std::pair<std::string, std::string> cases[] = {
        {"general 3", "expected SHEET ROW COL TEXT or cut SHEET ROW"},
        {"outputs 1 1 x", "unknown sheet \"outputs\" (general, physical, logical, alarm or 0 to 3)"},
        {"general 15 1 x", "row 15 is not a row of the general grid (1 to 14)"},
        {"alarm 0 5 x", "row 0 is the header"},
        {"general 0 1 ", "row 0 is the header"},
        {"logical 1 20 x", "column 20 is not a column of the logical grid (0 to 19)"},
        {"general x 1 5", "the row \"x\" is not a number"},
        {"cut alarm 0", "row 0 is the header"},
        {"general 3 1 \\q", "a backslash in the text must start \\xHH or \\\\"},
        {"general 3 1 \xB1", "the text is not UTF-8 or holds a character outside Windows-1252 (write bytes as \\xHH)"},
        {"general 3 1 \xE2\x86\x92", "the text is not UTF-8 or holds a character outside Windows-1252 (write bytes as \\xHH)"},
    };
    for (const auto& [line, err] : cases) {
        SCOPED_TRACE(line);
        CliResult r = Run({"edit", Path("a.q4g"), "-o", Path("out.q4g")}, "general 3 1 9\n" + line + "\n");
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "") << "nothing is applied before every line is read";
        EXPECT_EQ(r.err, "q4150cli: line 2: " + err + "\n");
        EXPECT_FALSE(std::filesystem::exists(Path("out.q4g")));
    }
    EXPECT_EQ(Run({"edit", Path("a.q4g")}, "general 3 1 9\ngeneral 3\n").code, 2);
    EXPECT_EQ(ReadBytes(Path("a.q4g")), m_strDefault);

    std::ofstream(Path("plain")) << "x";  // a file that cannot be written
    CliResult r = Run({"edit", Path("a.q4g"), "-o", Path("plain/out.q4g")}, "general 3 1 9\n");
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "ok\n");
    EXPECT_EQ(r.err, "q4150cli: cannot write " + Path("plain/out.q4g") + ": Not a directory\n");
}

// The tester's edits: number cells refuse what is no number, a comma is the decimal point, and
// diff tells apart what the unit holds from how a text is written.
TEST_F(CliEdit, NumberCellsTakeNumbersOnlyAndDiffJudgesWhatTheUnitHolds)
{
    CliResult r = Run({"edit", Path("a.q4g"), "-o", Path("b.q4g")},
                      "physical 1 1 10 V\nphysical 1 4 xyz\nphysical 1 6 12abc\nphysical 1 7 -\n"
                      "alarm 1 1 IN 11\nalarm 1 4 abc\nalarm 1 6 2,5\ngeneral 3 1 12x\ngeneral 14 1  0,5 \n");
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string refused = "refused 62012 Invalid value. Last value will be used.\n";
    EXPECT_EQ(r.out, "ok\n" + refused + refused + refused + "ok\n" + refused + "ok\n" + refused + "ok\n");
    EXPECT_EQ(Run({"diff", Path("a.q4g"), Path("b.q4g")}).out,
              "general 14 1: 0 -> 0.5\nphysical 1 1: OFF -> 10 V\nalarm 1 1: OFF -> IN 11\nalarm 1 6: 0.3 -> 2.5\n"
              "alarm 1 10:  -> 10 V\nalarm 1 12:  -> 0\nalarm 1 13:  -> 0\nalarm 1 14:  -> 0\nalarm 1 15:  -> 0\n"
              "alarm 1 16:  -> 0\n");
    // Written as the unit writes them, the hysteresis and the delay are the same settings.
    ASSERT_EQ(Run({"edit", Path("b.q4g"), "-o", Path("c.q4g")}, "general 14 1 0.50\nalarm 1 6 2.50\n").code, 0);
    CliResult spelling = Run({"diff", Path("b.q4g"), Path("c.q4g")});
    EXPECT_EQ(spelling.code, 0) << spelling.out;
    EXPECT_EQ(spelling.out, "");
    CliResult all = Run({"diff", Path("b.q4g"), Path("c.q4g"), "--all"});
    EXPECT_EQ(all.code, 1);
    EXPECT_EQ(all.out, "general 14 1: 0.5 -> 0.50\nalarm 1 6: 2.5 -> 2.50\n");
}

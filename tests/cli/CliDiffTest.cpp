// q4150cli diff: the cells whose texts differ between two documents, flag cells included.
#include "CliSession.h"

using CliDiff = CliSession;

TEST_F(CliDiff, ListsEveryDifferingCell)
{
    ASSERT_EQ(Run({"new", Path("a.q4g")}).code, 0);
    CliResult same = Run({"diff", Path("a.q4g"), Path("a.q4g")});
    EXPECT_EQ(same.code, 0) << same.err;
    EXPECT_EQ(same.out, "");

    CliResult edit = Run({"edit", Path("a.q4g"), "-o", Path("b.q4g")},
                         "general 3 1 12\n"
                         "physical 1 1 20 mA\n"
                         "alarm 2 1 IN 11\n"
                         "alarm 2 9 C\n"
                         "alarm 2 5 a\\x09b\n");
    ASSERT_EQ(edit.code, 0) << edit.err;
    ASSERT_EQ(edit.out, "ok\nok\nok\nok\nok\n");

    CliResult r = Run({"diff", Path("a.q4g"), Path("b.q4g")});
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_EQ(r.out,
              "general 3 1: 1 -> 12\n"
              "physical 1 1: OFF -> 20 mA\n"
              "alarm 2 1: OFF -> IN 11\n"
              "alarm 2 5:  -> a\\x09b\n"
              "alarm 2 9: ... -> C\n"
              "alarm 2 10:  -> 20 mA\n"
              "alarm 2 12:  -> 0\n"
              "alarm 2 13:  -> 0\n"
              "alarm 2 14:  -> 0\n"
              "alarm 2 15:  -> 0\n"
              "alarm 2 16:  -> 0\n"
              "alarm-flag 2 1: OFF -> ON\n");
    CliResult back = Run({"diff", Path("b.q4g"), Path("a.q4g")});
    EXPECT_EQ(back.code, 1);
    EXPECT_NE(back.out.find("general 3 1: 12 -> 1\n"), std::string::npos);
}

TEST_F(CliDiff, UnreadableDocumentExitsWithTwo)
{
    ASSERT_EQ(Run({"new", Path("a.q4g")}).code, 0);
    CliResult r = Run({"diff", Path("a.q4g"), Path("none.q4g")});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "q4150cli: cannot open " + Path("none.q4g") + ": No such file or directory\n");
    EXPECT_EQ(Run({"diff", Path("a.q4g")}).code, 2);
}

// The emulated unit program's command line.
#include "sim/CSimOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(CSimOptions, AcceptsEveryOption)
{
    CSimOptions o;
    std::string error;
    ASSERT_TRUE(o.Parse({"--link", "/tmp/q4", "--blank", "--load", "in.txt", "--save", "out.txt", "--baud", "1200",
                         "--reply-delay", "30", "--fault", "silent:A:5", "--fault", "short:B:1:4"},
                        error))
        << error;
    EXPECT_EQ(o.m_strLink, "/tmp/q4");
    EXPECT_TRUE(o.m_bBlank);
    EXPECT_EQ(o.m_strLoad, "in.txt");
    EXPECT_EQ(o.m_strSave, "out.txt");
    EXPECT_EQ(o.m_nBaudRate, 1200u);
    EXPECT_EQ(o.m_nReplyDelayMs, 30);
    ASSERT_EQ(o.m_Faults.size(), 2u);
    EXPECT_EQ(o.m_Faults[1].kind, CEmulatorServer::FAULT_SHORT);
    EXPECT_EQ(o.m_Faults[1].count, 4);
    EXPECT_FALSE(o.m_bHelp);
}

TEST(CSimOptions, RefusesBadCommandLines)
{
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{"--verbose"}, "unknown option \"--verbose\""},
        {{"--link"}, "--link needs a value"},
        {{"--baud", "fast"}, "--baud: \"fast\" is no bit rate"},
        {{"--baud", "0"}, "--baud: \"0\" is no bit rate"},
        {{"--reply-delay", "-5"}, "--reply-delay: \"-5\" is no number of milliseconds"},
        {{"--fault", "silent:Z:1"}, "--fault: \"silent:Z:1\" is not KIND:CMD:BLOCK[:COUNT]"},
    };
    for (const auto& c : cases) {
        CSimOptions o;
        std::string error;
        EXPECT_FALSE(o.Parse(c.args, error));
        EXPECT_EQ(error, c.error);
    }
}

}  // namespace

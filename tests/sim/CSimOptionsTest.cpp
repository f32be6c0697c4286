// The emulated unit program's command line.
#include "sim/CSimOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(CSimOptions, AcceptsEveryOption)
{
    CSimOptions o;
    std::string error;
    ASSERT_TRUE(o.Parse({"--link", "/tmp/q4", "--blank", "--load", "in.txt", "--save", "out.txt", "--baud", "1200",
                         "--reply-delay", "30", "--fault", "silent:A:5", "--fault", "short:B:1:4", "--fault",
                         "late:@:26:3", "--fault", "stray:B:7"},
                        error))
        << error;
    EXPECT_EQ(std::tie(o.m_strLink, o.m_strLoad, o.m_strSave), std::make_tuple("/tmp/q4", "in.txt", "out.txt"));
    EXPECT_EQ(std::tie(o.m_bBlank, o.m_nBaudRate, o.m_nReplyDelayMs, o.m_bHelp), std::make_tuple(true, 1200u, 30, false));
    ASSERT_EQ(o.m_Faults.size(), 4u);
    EXPECT_EQ(std::tie(o.m_Faults[1].kind, o.m_Faults[1].count), std::make_tuple(CEmulatorServer::FAULT_SHORT, 4));
    const CEmulatorServer::Fault& late = o.m_Faults[2];
    EXPECT_EQ(std::tie(late.kind, late.command, late.address, late.count),
              std::make_tuple(CEmulatorServer::FAULT_LATE, '@', 26, 3));
    const CEmulatorServer::Fault& stray = o.m_Faults[3];
    EXPECT_EQ(std::tie(stray.kind, stray.command, stray.address, stray.count),
              std::make_tuple(CEmulatorServer::FAULT_STRAY, 'B', 7, 1));
}

TEST(CSimOptions, RefusesBadCommandLines)
{
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--verbose"}, "unknown option \"--verbose\""},
        {{"--link"}, "--link needs a value"},
        {{"--baud", "fast"}, "--baud: \"fast\" is no bit rate"},
        {{"--baud", "0"}, "--baud: \"0\" is no bit rate"},
        {{"--units", "0"}, "--units: \"0\" is no number of units from 1 to 64"},
        {{"--units", "65"}, "--units: \"65\" is no number of units from 1 to 64"},
        {{"--reply-delay", "-5"}, "--reply-delay: \"-5\" is no number of milliseconds"},
        {{"--fault", "silent:Z:1"}, "--fault: \"silent:Z:1\" is not KIND:CMD:BLOCK[:COUNT]"},
        {{"--fault", "late:B"}, "--fault: \"late:B\" is not KIND:CMD:BLOCK[:COUNT]"},
        {{"--fault", "stray:A:1:0"}, "--fault: \"stray:A:1:0\" is not KIND:CMD:BLOCK[:COUNT]"},
    };
    for (const auto& [args, expected] : cases) {
        CSimOptions o;
        std::string error;
        EXPECT_FALSE(o.Parse(args, error));
        EXPECT_EQ(error, expected);
    }
}

}  // namespace

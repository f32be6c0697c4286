// The emulated unit program's command line.
#include "sim/CSimOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(CSimOptions, AcceptsEveryOption)
{
    CSimOptions o;
    q4::Status parsed = o.Parse({"--link", "/tmp/q4", "--blank", "--load", "in.txt", "--save", "out.txt", "--baud", "1200",
                                 "--reply-delay", "30", "--fault", "silent:A:5", "--fault", "short:B:1:4", "--fault",
                                 "late:@:26:3", "--fault", "stray:B:7"});
    ASSERT_TRUE(parsed) << parsed.Reason();
    EXPECT_EQ(std::tie(o.m_link, o.m_load, o.m_save), std::make_tuple("/tmp/q4", "in.txt", "out.txt"));
    EXPECT_EQ(std::tie(o.m_blank, o.m_baudRate, o.m_replyDelayMs, o.m_help), std::make_tuple(true, 1200u, 30, false));
    ASSERT_EQ(o.m_faults.size(), 4u);
    EXPECT_EQ(std::tie(o.m_faults[1].kind, o.m_faults[1].count), std::make_tuple(CEmulatorServer::FaultKind::Short, 4));
    const CEmulatorServer::Fault& late = o.m_faults[2];
    EXPECT_EQ(std::tie(late.kind, late.command, late.address, late.count),
              std::make_tuple(CEmulatorServer::FaultKind::Late, '@', 26, 3));
    const CEmulatorServer::Fault& stray = o.m_faults[3];
    EXPECT_EQ(std::tie(stray.kind, stray.command, stray.address, stray.count),
              std::make_tuple(CEmulatorServer::FaultKind::Stray, 'B', 7, 1));
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
        q4::Status parsed = o.Parse(args);
        EXPECT_FALSE(parsed);
        EXPECT_EQ(parsed.Reason(), expected);
    }
}

}  // namespace

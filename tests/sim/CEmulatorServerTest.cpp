// The emulated unit served on a pseudo-terminal and reached through the real serial code:
// block exchanges, refused writes, injected faults, delays, pacing, and stopping.
#include "sim/CEmulatorServer.h"

#include "SimLink.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using Block = std::array<uint8_t, 32>;
using Clock = std::chrono::steady_clock;

Block Pattern(uint8_t seed)
{
    Block b{};
    for (int i = 0; i < 32; ++i)
        b[i] = static_cast<uint8_t>(seed + 7 * i);
    return b;
}

Block Held(CEmulatorServer& server, CUnitEmulator::BlockSpace space, int n)
{
    Block b{};
    server.GetUnit().GetBlock(space, n, b.data());
    return b;
}

class EmulatorServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_server.Start());
        m_link = std::make_unique<SimLink>(m_server.GetSlavePath());
        ASSERT_TRUE(m_link->IsOpen());
    }

    CEmulatorServer m_server;
    std::unique_ptr<SimLink> m_link;
};

TEST_F(EmulatorServerTest, WriteIsStoredAndEveryKindOfBlockReadsBack)
{
    // The write kind and block; the space and block written, and the reply's command.
    const std::tuple<ND_Q4K_MSG, uint8_t, CUnitEmulator::BlockSpace, int, char> cases[] = {
        {MSG_WRITE_GENERAL, 7, CUnitEmulator::BlockSpace::General, 7, 'B'},
        {MSG_WRITE_PHYSICAL, 23, CUnitEmulator::BlockSpace::Input, 23, '@'},
        {MSG_WRITE_LOGICAL, 0, CUnitEmulator::BlockSpace::Input, 24, '@'},
        {MSG_WRITE_LOGICAL, 6, CUnitEmulator::BlockSpace::Input, 30, '@'},
        {MSG_WRITE_ALARM, 47, CUnitEmulator::BlockSpace::Alarm, 47, 'A'},
    };
    int writes = 0;
    for (const auto& [write, block, space, held, command] : cases) {
        SCOPED_TRACE(std::to_string(write) + " " + std::to_string(block));
        Block data = Pattern(static_cast<uint8_t>(held * 3 + static_cast<int>(space)));
        ASSERT_TRUE(m_link->Write(write, block, data));
        // The read kind of a block is its write kind less 4.
        SimReply reply = m_link->Read(static_cast<ND_Q4K_MSG>(write - 4), block);
        EXPECT_EQ(reply.length, 71);
        EXPECT_EQ(reply.checksumOk, 1);
        EXPECT_EQ(reply.kind, command);
        EXPECT_EQ(reply.address, held);
        EXPECT_EQ(reply.data, data);
        EXPECT_EQ(Held(m_server, space, held), data);
        EXPECT_EQ(m_server.GetWriteCount(), ++writes);
    }
}

// Wake-up blanks, a write whose checksum fails and requests for blocks the unit lacks get no
// reply and change nothing; the line stays in step for the next request.
TEST_F(EmulatorServerTest, WhatTheUnitCannotTakeGetsNoReply)
{
    const uint8_t blanks[3] = {0x20, 0x20, 0x20};
    EXPECT_EQ(m_link->Com().Write(blanks, 3), 3);
    Block before = Held(m_server, CUnitEmulator::BlockSpace::Alarm, 2);
    ASSERT_TRUE(m_link->Write(MSG_WRITE_ALARM, 2, Pattern(9), true));
    EXPECT_EQ(m_link->Read(MSG_READ_GENERAL, 8, 50).length, 0);
    EXPECT_EQ(m_link->Read(MSG_READ_LOGICAL, 7, 50).length, 0);
    EXPECT_EQ(m_link->Read(MSG_READ_ALARM, 48, 50).length, 0);
    SimReply reply = m_link->Read(MSG_READ_ALARM, 2);
    EXPECT_EQ(reply.length, 71);
    EXPECT_EQ(reply.data, before);
    EXPECT_EQ(Held(m_server, CUnitEmulator::BlockSpace::Alarm, 2), before);
    EXPECT_EQ(m_server.GetRejectedCount(), 4);  // the write and the three requests; blanks are noise
    EXPECT_EQ(m_server.GetWriteCount(), 0);
}

TEST_F(EmulatorServerTest, FaultsSpoilTheChosenRepliesAsOftenAsCounted)
{
    // other: a request for another block, which the fault leaves alone.
    const struct { const char* faultText; ND_Q4K_MSG kind, other; uint8_t block; int count, length, checksumOk; bool sameData; } cases[] = {
        {"silent:A:5", MSG_READ_ALARM, MSG_READ_GENERAL, 5, 1, 0, 0, false},
        {"silent:B:1:2", MSG_READ_GENERAL, MSG_READ_ALARM, 1, 2, 0, 0, false},
        {"short:B:2", MSG_READ_GENERAL, MSG_READ_PHYSICAL, 2, 1, 70, 0, false},
        {"checksum:@:3", MSG_READ_PHYSICAL, MSG_READ_ALARM, 3, 1, 71, 0, true},
        {"readback:@:26", MSG_READ_LOGICAL, MSG_READ_PHYSICAL, 2, 1, 71, 1, false},  // logical 2 is "@" 26
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.faultText);
        CEmulatorServer::Fault fault{};
        ASSERT_TRUE(CEmulatorServer::ParseFault(c.faultText, fault));
        m_server.AddFault(fault);
        EXPECT_EQ(m_link->Read(c.other, c.block).length, 71);
        for (int i = 0; i < c.count; ++i) {
            SimReply spoilt = m_link->Read(c.kind, c.block, c.length ? 100 : 50);
            EXPECT_EQ(spoilt.length, c.length);
            if (c.length == 71) {  // "@" replies: blocks of the input space
                EXPECT_EQ(spoilt.checksumOk, c.checksumOk);
                EXPECT_EQ(spoilt.data == Held(m_server, CUnitEmulator::BlockSpace::Input, spoilt.address), c.sameData);
            }
        }
        SimReply next = m_link->Read(c.kind, c.block);
        EXPECT_EQ(next.length, 71);
        EXPECT_EQ(next.checksumOk, 1);
    }
}

// A stray reply is a good one for the next block (the one before for the last), once per count.
TEST_F(EmulatorServerTest, StrayRepliesCarryTheNeighbouringBlock)
{
    const struct { const char* faultText; ND_Q4K_MSG kind; uint8_t block; CUnitEmulator::BlockSpace space; int address; } cases[] = {
        {"stray:A:10", MSG_READ_ALARM, 10, CUnitEmulator::BlockSpace::Alarm, 11},
        {"stray:A:47", MSG_READ_ALARM, 47, CUnitEmulator::BlockSpace::Alarm, 46},
        {"stray:B:7:2", MSG_READ_GENERAL, 7, CUnitEmulator::BlockSpace::General, 6},
        {"stray:@:26", MSG_READ_LOGICAL, 2, CUnitEmulator::BlockSpace::Input, 27},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.faultText);
        CEmulatorServer::Fault fault{};
        ASSERT_TRUE(CEmulatorServer::ParseFault(c.faultText, fault));
        m_server.AddFault(fault);
        for (int i = 0; i < fault.count; ++i) {
            SimReply stray = m_link->Read(c.kind, c.block);
            EXPECT_EQ(stray.length, 71);
            EXPECT_EQ(stray.checksumOk, 1);
            EXPECT_EQ(stray.address, c.address);
            EXPECT_EQ(stray.data, Held(m_server, c.space, c.address));
        }
        EXPECT_EQ(m_link->Read(c.kind, c.block).address, fault.address);
    }
}

// A late reply comes long after the unit's wait; the requests in between are answered at once.
TEST_F(EmulatorServerTest, ALateReplyComesAfterTheRequestsThatFollowedIt)
{
    Block mark = Pattern(0x3C);
    m_server.GetUnit().SetBlock(CUnitEmulator::BlockSpace::General, 3, mark.data());
    CEmulatorServer::Fault fault{};
    ASSERT_TRUE(CEmulatorServer::ParseFault("late:B:3", fault));
    m_server.AddFault(fault);
    auto start = Clock::now();
    // Nothing is waited for long on the late block, so that the next request and its reply fit
    // well inside the lateness even on a loaded machine.
    EXPECT_EQ(m_link->Read(MSG_READ_GENERAL, 3, 20).length, 0);
    SimReply between = m_link->Read(MSG_READ_GENERAL, 4);
    EXPECT_EQ(between.length, 71);
    EXPECT_EQ(between.address, 4);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(CEmulatorServer::LATE_REPLY_MS));

    uint8_t frame[71] = {};
    int length = 71;
    m_link->Com().ReadData(frame, length, 200);
    SimReply late;
    late.checksumOk = CQ4kProtocol().GetReadMsg(frame, late.kind, late.address, late.data.data());
    EXPECT_EQ(length, 71);
    EXPECT_EQ(late.checksumOk, 1);
    EXPECT_EQ(late.kind, 'B');
    EXPECT_EQ(late.address, 3);
    EXPECT_EQ(late.data, mark);
    EXPECT_EQ(m_link->Read(MSG_READ_GENERAL, 3).address, 3);  // once: the next reply is on time
}

TEST_F(EmulatorServerTest, ReplyDelayBeyondTheWaitLosesTheReply)
{
    m_server.SetReplyDelayMs(40);
    EXPECT_EQ(m_link->Read(MSG_READ_GENERAL, 0, 100).length, 71);
    m_server.SetReplyDelayMs(250);
    EXPECT_EQ(m_link->Read(MSG_READ_GENERAL, 0, 100).length, 0);
}

TEST(EmulatorServerLife, SlowLineDeliversTheWholeReplyStopInterruptsItAndTheServerStartsAgain)
{
    CEmulatorServer server;
    server.Stop();             // harmless before a start
    server.SetBaudRate(1200);  // 71 bytes take about 592 ms
    ASSERT_TRUE(server.Start());
    SimLink slow(server.GetSlavePath(), 1200);
    auto start = Clock::now();
    SimReply reply = slow.Read(MSG_READ_ALARM, 0);
    auto elapsed = Clock::now() - start;
    EXPECT_EQ(reply.length, 71);
    EXPECT_EQ(reply.checksumOk, 1);
    EXPECT_GE(elapsed, std::chrono::milliseconds(550));
    EXPECT_LT(elapsed, std::chrono::milliseconds(1500));

    uint8_t request[7];
    CQ4kProtocol().MakeReqMsg(MSG_READ_GENERAL, 0, request);
    ASSERT_EQ(slow.Com().Write(request, 7), 7);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    start = Clock::now();
    server.Stop();
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(300));

    server.SetBaudRate(0);
    ASSERT_TRUE(server.Start());
    SimLink link(server.GetSlavePath());
    EXPECT_EQ(link.Read(MSG_READ_GENERAL, 0).length, 71);
}

TEST(EmulatorServerFaults, ParseFaultRefusesMalformedTexts)
{
    for (const char* text : {"loud:A:5", "silent:D:5", "silent:AB:5", "silent:A", "silent:A:x", "silent:A:256",
                             "silent:A:5:0", "silent:A:5:1:2", ""}) {
        CEmulatorServer::Fault fault{};
        EXPECT_FALSE(CEmulatorServer::ParseFault(text, fault)) << text;
    }
}

}  // namespace

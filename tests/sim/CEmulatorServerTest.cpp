// The emulated unit served on a pseudo-terminal and reached through the real serial code.
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

Block Held(CEmulatorServer& server, CUnitEmulator::BLOCK_SPACE space, int n)
{
    Block b{};
    server.GetUnit().GetBlock(space, n, b.data());
    return b;
}

// Waits (briefly) until the server has judged the given number of write frames.
void WaitForFrames(const CEmulatorServer& server, int writes, int rejected)
{
    auto deadline = Clock::now() + std::chrono::milliseconds(500);
    while ((server.GetWriteCount() < writes || server.GetRejectedCount() < rejected) && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
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

TEST_F(EmulatorServerTest, ReadsEveryKindOfBlock)
{
    const struct {
        ND_Q4K_MSG kind;
        uint8_t block;
        CUnitEmulator::BLOCK_SPACE space;
        int held;             // the block of the space that answers
        uint8_t command;      // command and address of the reply
        uint8_t address;
    } cases[] = {
        {MSG_READ_GENERAL, 0, CUnitEmulator::SPACE_GENERAL, 0, 'B', 0},
        {MSG_READ_GENERAL, 7, CUnitEmulator::SPACE_GENERAL, 7, 'B', 7},
        {MSG_READ_PHYSICAL, 0, CUnitEmulator::SPACE_INPUT, 0, '@', 0},
        {MSG_READ_PHYSICAL, 23, CUnitEmulator::SPACE_INPUT, 23, '@', 23},
        {MSG_READ_LOGICAL, 0, CUnitEmulator::SPACE_INPUT, 24, '@', 24},
        {MSG_READ_LOGICAL, 6, CUnitEmulator::SPACE_INPUT, 30, '@', 30},
        {MSG_READ_ALARM, 47, CUnitEmulator::SPACE_ALARM, 47, 'A', 47},
    };
    for (const auto& c : cases) {
        Block mark = Pattern(static_cast<uint8_t>(c.held * 3 + c.space));
        m_server.GetUnit().SetBlock(c.space, c.held, mark.data());
        SimReply reply = m_link->Read(c.kind, c.block);
        EXPECT_EQ(reply.length, 71) << c.kind << " " << int(c.block);
        EXPECT_EQ(reply.checksumOk, 1);
        EXPECT_EQ(reply.kind, c.command);
        EXPECT_EQ(reply.address, c.address);
        EXPECT_EQ(reply.data, mark);
    }
}

TEST_F(EmulatorServerTest, WriteIsStoredAndReadBack)
{
    const struct {
        ND_Q4K_MSG write;
        uint8_t block;
        CUnitEmulator::BLOCK_SPACE space;
        int held;
    } cases[] = {
        {MSG_WRITE_GENERAL, 3, CUnitEmulator::SPACE_GENERAL, 3},
        {MSG_WRITE_PHYSICAL, 11, CUnitEmulator::SPACE_INPUT, 11},
        {MSG_WRITE_LOGICAL, 6, CUnitEmulator::SPACE_INPUT, 30},
        {MSG_WRITE_ALARM, 40, CUnitEmulator::SPACE_ALARM, 40},
    };
    int writes = 0;
    for (const auto& c : cases) {
        Block data = Pattern(static_cast<uint8_t>(c.block + 100));
        ASSERT_TRUE(m_link->Write(c.write, c.block, data));
        // The read kind of a block is its write kind less 4.
        SimReply reply = m_link->Read(static_cast<ND_Q4K_MSG>(c.write - 4), c.block);
        EXPECT_EQ(reply.length, 71);
        EXPECT_EQ(reply.checksumOk, 1);
        EXPECT_EQ(reply.data, data) << c.write;
        EXPECT_EQ(Held(m_server, c.space, c.held), data);
        EXPECT_EQ(m_server.GetWriteCount(), ++writes);
    }
}

TEST_F(EmulatorServerTest, WriteWithBadChecksumIsIgnored)
{
    Block before = Held(m_server, CUnitEmulator::SPACE_ALARM, 2);
    ASSERT_TRUE(m_link->Write(MSG_WRITE_ALARM, 2, Pattern(9), true));
    WaitForFrames(m_server, 0, 1);
    EXPECT_EQ(m_server.GetRejectedCount(), 1);
    EXPECT_EQ(m_server.GetWriteCount(), 0);
    EXPECT_EQ(Held(m_server, CUnitEmulator::SPACE_ALARM, 2), before);
    // The line is still in step: the next request is answered.
    EXPECT_EQ(m_link->Read(MSG_READ_ALARM, 2).data, before);
}

TEST_F(EmulatorServerTest, WakeUpBlanksAndRequestsForMissingBlocksGetNoReply)
{
    const uint8_t blanks[3] = {0x20, 0x20, 0x20};
    EXPECT_EQ(m_link->Com().Write(blanks, 3), 3);
    EXPECT_EQ(m_link->Read(MSG_READ_GENERAL, 8, 50).length, 0);
    EXPECT_EQ(m_link->Read(MSG_READ_ALARM, 48, 50).length, 0);
    EXPECT_EQ(m_link->Read(MSG_READ_GENERAL, 1).length, 71);
}

TEST_F(EmulatorServerTest, FaultsSpoilTheChosenReplies)
{
    const struct {
        const char* faultText;
        ND_Q4K_MSG kind;
        uint8_t block;
        CUnitEmulator::BLOCK_SPACE space;
        int length;
        int checksumOk;
        bool sameData;
    } cases[] = {
        {"silent:A:5", MSG_READ_ALARM, 5, CUnitEmulator::SPACE_ALARM, 0, 0, false},
        {"short:B:2", MSG_READ_GENERAL, 2, CUnitEmulator::SPACE_GENERAL, 70, 0, false},
        {"checksum:@:3", MSG_READ_PHYSICAL, 3, CUnitEmulator::SPACE_INPUT, 71, 0, true},
        {"readback:@:26", MSG_READ_LOGICAL, 2, CUnitEmulator::SPACE_INPUT, 71, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.faultText);
        CEmulatorServer::Fault fault{};
        ASSERT_TRUE(CEmulatorServer::ParseFault(c.faultText, fault));
        m_server.AddFault(fault);
        SimReply spoilt = m_link->Read(c.kind, c.block);
        EXPECT_EQ(spoilt.length, c.length);
        if (c.length == 71) {
            EXPECT_EQ(spoilt.checksumOk, c.checksumOk);
            EXPECT_EQ(spoilt.data == Held(m_server, c.space, spoilt.address), c.sameData);
        }
        // One spoilt reply only: the next request is answered properly.
        SimReply next = m_link->Read(c.kind, c.block);
        EXPECT_EQ(next.length, 71);
        EXPECT_EQ(next.checksumOk, 1);
    }
}

TEST_F(EmulatorServerTest, FaultCountAndOtherBlocksUntouched)
{
    CEmulatorServer::Fault fault{};
    ASSERT_TRUE(CEmulatorServer::ParseFault("silent:B:1:2", fault));
    m_server.AddFault(fault);
    EXPECT_EQ(m_link->Read(MSG_READ_GENERAL, 0).length, 71);
    EXPECT_EQ(m_link->Read(MSG_READ_ALARM, 1).length, 71); // same block, other command
    EXPECT_EQ(m_link->Read(MSG_READ_GENERAL, 1, 50).length, 0);
    EXPECT_EQ(m_link->Read(MSG_READ_GENERAL, 1, 50).length, 0);
    EXPECT_EQ(m_link->Read(MSG_READ_GENERAL, 1).length, 71);
}

TEST_F(EmulatorServerTest, ReplyDelayBeyondTheWaitLosesTheReply)
{
    m_server.SetReplyDelayMs(40);
    EXPECT_EQ(m_link->Read(MSG_READ_GENERAL, 0, 100).length, 71);
    m_server.SetReplyDelayMs(250);
    EXPECT_EQ(m_link->Read(MSG_READ_GENERAL, 0, 100).length, 0);
    // The late reply is still on the line; a purge before the next exchange clears it.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    m_link->Com().Purge();
    m_server.SetReplyDelayMs(0);
    SimReply reply = m_link->Read(MSG_READ_GENERAL, 3);
    EXPECT_EQ(reply.length, 71);
    EXPECT_EQ(reply.address, 3);
}

TEST(EmulatorServerPacing, SlowLineStillDeliversTheWholeReply)
{
    CEmulatorServer server;
    server.SetBaudRate(1200); // 71 bytes take about 592 ms
    ASSERT_TRUE(server.Start());
    SimLink link(server.GetSlavePath(), 1200);
    ASSERT_TRUE(link.IsOpen());
    auto start = Clock::now();
    SimReply reply = link.Read(MSG_READ_ALARM, 0);
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    EXPECT_EQ(reply.length, 71);
    EXPECT_EQ(reply.checksumOk, 1);
    EXPECT_GE(elapsed, 550);
    EXPECT_LT(elapsed, 1500);
}

TEST(EmulatorServerLife, StopsAndStartsAgain)
{
    CEmulatorServer server;
    EXPECT_FALSE(server.IsRunning());
    server.Stop(); // harmless before a start
    ASSERT_TRUE(server.Start());
    EXPECT_TRUE(server.IsRunning());
    std::string first = server.GetSlavePath();
    EXPECT_EQ(first.rfind("/dev/pts/", 0), 0u);
    server.Stop();
    EXPECT_FALSE(server.IsRunning());
    ASSERT_TRUE(server.Start());
    SimLink link(server.GetSlavePath());
    EXPECT_EQ(link.Read(MSG_READ_GENERAL, 0).length, 71);
}

TEST(EmulatorServerLife, StopInterruptsASlowReply)
{
    CEmulatorServer server;
    server.SetBaudRate(110);
    ASSERT_TRUE(server.Start());
    SimLink link(server.GetSlavePath(), 110);
    uint8_t request[7];
    CQ4kProtocol().MakeReqMsg(MSG_READ_GENERAL, 0, request);
    ASSERT_EQ(link.Com().Write(request, 7), 7);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    auto start = Clock::now();
    server.Stop();
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(300));
}

TEST(EmulatorServerFaults, ParseFaultSpecs)
{
    const struct {
        const char* text;
        bool ok;
        CEmulatorServer::FAULT_KIND kind;
        char command;
        int address;
        int count;
    } cases[] = {
        {"silent:A:5", true, CEmulatorServer::FAULT_SILENT, 'A', 5, 1},
        {"short:B:7:3", true, CEmulatorServer::FAULT_SHORT, 'B', 7, 3},
        {"checksum:@:30", true, CEmulatorServer::FAULT_CHECKSUM, '@', 30, 1},
        {"readback:@:0:1", true, CEmulatorServer::FAULT_READBACK, '@', 0, 1},
        {"loud:A:5", false, {}, 0, 0, 0},
        {"silent:D:5", false, {}, 0, 0, 0},
        {"silent:AB:5", false, {}, 0, 0, 0},
        {"silent:A", false, {}, 0, 0, 0},
        {"silent:A:x", false, {}, 0, 0, 0},
        {"silent:A:256", false, {}, 0, 0, 0},
        {"silent:A:5:0", false, {}, 0, 0, 0},
        {"silent:A:5:1:2", false, {}, 0, 0, 0},
        {"", false, {}, 0, 0, 0},
    };
    for (const auto& c : cases) {
        CEmulatorServer::Fault fault{};
        ASSERT_EQ(CEmulatorServer::ParseFault(c.text, fault), c.ok) << c.text;
        if (!c.ok)
            continue;
        EXPECT_EQ(fault.kind, c.kind) << c.text;
        EXPECT_EQ(fault.command, c.command) << c.text;
        EXPECT_EQ(fault.address, c.address) << c.text;
        EXPECT_EQ(fault.count, c.count) << c.text;
    }
}

}  // namespace

// One block at a time against the emulated unit: the read, the write with read-back, and the
// bytes they count.
#include "link/CSerialLink.h"
#include "sim/CEmulatorServer.h"
#include "transfer/CBlockExchange.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using Block = std::array<uint8_t, 32>;

Block Pattern(uint8_t seed)
{
    Block b{};
    for (int i = 0; i < 32; ++i)
        b[i] = static_cast<uint8_t>(seed ^ (i * 13));
    return b;
}

class BlockExchangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_server.Start());
        ASSERT_EQ(m_link.ConfigureDirect(m_server.GetSlavePath(), CLineSettings{}), 1);
        m_exchange.m_onCount = [this](uint32_t n) { m_counts.push_back(n); };
    }
    void AddFault(const char* text)
    {
        CEmulatorServer::Fault fault{};
        ASSERT_TRUE(CEmulatorServer::ParseFault(text, fault));
        m_server.AddFault(fault);
    }
    void Put(const Block& data) { std::memcpy(m_exchange.m_TransBlock, data.data(), 32); }
    Block Held(CUnitEmulator::BlockSpace space, int n)
    {
        Block b{};
        m_server.GetUnit().GetBlock(space, n, b.data());
        return b;
    }

    CEmulatorServer m_server;
    CSerialLink m_link;
    CBlockExchange m_exchange{m_link};
    std::vector<uint32_t> m_counts;
};

TEST_F(BlockExchangeTest, ReadTakesTheBlockAndCountsRequestAndReply)
{
    Block mark = Pattern(0x5C);
    m_server.GetUnit().SetBlock(CUnitEmulator::BlockSpace::Input, 25, mark.data());
    ASSERT_TRUE(m_exchange.Read(MSG_READ_LOGICAL, 1));
    EXPECT_EQ(0, std::memcmp(m_exchange.m_TransBlock, mark.data(), 32));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(m_exchange.m_ReqFrame), 7), "#@1959$");
    EXPECT_EQ(m_counts, (std::vector<uint32_t>{7, 78}));
    EXPECT_FALSE(m_exchange.HasWritten());
}

TEST_F(BlockExchangeTest, ReadFailuresCountOnlyTheRequest)
{
    for (const char* fault : {"silent:A:4", "short:A:4", "checksum:A:4"}) {
        AddFault(fault);
        m_exchange.ResetCount();
        EXPECT_FALSE(m_exchange.Read(MSG_READ_ALARM, 4)) << fault;
        EXPECT_EQ(m_exchange.GetBytesMoved(), 7u) << fault;
        m_link.Purge();
    }
    CSerialLink closed;
    CBlockExchange none(closed);
    EXPECT_FALSE(none.Read(MSG_READ_GENERAL, 0));
    EXPECT_EQ(none.GetBytesMoved(), 0u);
}

// A reply waiting on the line answers an earlier request, and one for another block answers
// none: neither is taken for the block asked for.
TEST_F(BlockExchangeTest, ReadTakesOnlyTheReplyToItsOwnRequest)
{
    Block mark = Pattern(0x77);
    m_server.GetUnit().SetBlock(CUnitEmulator::BlockSpace::Alarm, 9, mark.data());
    uint8_t earlier[CQ4kProtocol::REQ_FRAME_LEN];
    CQ4kProtocol().MakeReqMsg(MSG_READ_ALARM, 8, earlier);
    ASSERT_EQ(m_link.Write(earlier, CQ4kProtocol::REQ_FRAME_LEN), CQ4kProtocol::REQ_FRAME_LEN);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(m_exchange.Read(MSG_READ_ALARM, 9));
    EXPECT_EQ(0, std::memcmp(m_exchange.m_TransBlock, mark.data(), 32));

    const struct { const char* fault; ND_Q4K_MSG kind; int block; } strays[] = {
        {"stray:A:9", MSG_READ_ALARM, 9},
        {"stray:@:26", MSG_READ_LOGICAL, 2},  // logical 2 travels as "@" 26
    };
    for (const auto& c : strays) {
        AddFault(c.fault);
        m_exchange.ResetCount();
        EXPECT_FALSE(m_exchange.Read(c.kind, c.block)) << c.fault;
        EXPECT_EQ(m_exchange.GetBytesMoved(), 7u) << c.fault;
    }
}

TEST_F(BlockExchangeTest, WriteIsReadBackWithinTheUnitsWaits)
{
    Block data = Pattern(0xA1);
    Put(data);
    auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(m_exchange.Write(MSG_WRITE_LOGICAL, 2));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
    EXPECT_EQ(m_exchange.GetBytesMoved(), 149u);
    EXPECT_EQ(Held(CUnitEmulator::BlockSpace::Input, 26), data);
    EXPECT_EQ(m_exchange.m_WriteFrame[1], 'D');
    EXPECT_TRUE(m_exchange.HasWritten());
}

TEST_F(BlockExchangeTest, WriteFailsWhenTheReadBackDiffersOrIsMissing)
{
    AddFault("readback:B:6");
    Block data = Pattern(0x33);
    Put(data);
    EXPECT_FALSE(m_exchange.Write(MSG_WRITE_GENERAL, 6));
    EXPECT_EQ(Held(CUnitEmulator::BlockSpace::General, 6), data);  // written; only the comparison failed
    EXPECT_EQ(m_exchange.GetBytesMoved(), 149u);

    AddFault("silent:@:9");
    m_exchange.ResetCount();
    EXPECT_FALSE(m_exchange.Write(MSG_WRITE_PHYSICAL, 9));
    EXPECT_EQ(m_exchange.GetBytesMoved(), 78u);
}

}  // namespace

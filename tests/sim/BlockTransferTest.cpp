// One block at a time: the read and the write with read-back of the setup-type base, the byte
// counter they feed, and the expected totals.
#include "model/CNordaSetupType.h"
#include "sim/CEmulatorServer.h"

#include "SimLink.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <thread>

namespace {

using Block = std::array<uint8_t, 32>;

// A setup type with a sheet of a chosen number of sections and open block transfers.
class ProbeSetupType : public CNordaSetupType {
public:
    explicit ProbeSetupType(int sections = 0)
    {
        ResetSheet();
        for (int s = 0; s < sections; ++s) {
            CSection section;
            section.push_back(CreateLabelCell("row"));
            m_pDataSheet->AddSection(std::move(section));
        }
    }
    int ValidateData(int, int, const std::string&) override { return 1; }
    void SetParm(int, int, const std::string&) override {}
    void Initialize() override {}
    void ResetChannel(int) override {}
    int GetNumChannels() override { return 0; }
    void CreateDefDataSheet() override {}

    using CNordaSetupType::DoDownload;
    using CNordaSetupType::DoUpload;
};

Block Pattern(uint8_t seed)
{
    Block b{};
    for (int i = 0; i < 32; ++i)
        b[i] = static_cast<uint8_t>(seed ^ (i * 13));
    return b;
}

class BlockTransferTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_server.Start());
        m_link = std::make_unique<SimLink>(m_server.GetSlavePath());
        ASSERT_TRUE(m_link->IsOpen());
        CNordaSetupType::ResetTransData();
    }

    CEmulatorServer m_server;
    std::unique_ptr<SimLink> m_link;
    ProbeSetupType m_type;
};

TEST_F(BlockTransferTest, DownloadTakesTheBlockAndCounts78Bytes)
{
    Block mark = Pattern(0x5C);
    m_server.GetUnit().SetBlock(CUnitEmulator::SPACE_INPUT, 25, mark.data());
    uint8_t* block = m_type.DoDownload(MSG_READ_LOGICAL, 1, &m_link->Com());
    ASSERT_EQ(block, m_type.m_TransBlock);
    EXPECT_EQ(0, std::memcmp(block, mark.data(), 32));
    EXPECT_EQ(CNordaSetupType::ReadProgressData(), 78u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(m_type.m_ReqFrame), 7), "#@1959$");
}

TEST_F(BlockTransferTest, DownloadFailures)
{
    const struct {
        const char* fault;
        uint32_t counted; // the request goes out; a failed reply is not counted
    } cases[] = {{"silent:A:4", 7}, {"short:A:4", 7}, {"checksum:A:4", 7}};
    for (const auto& c : cases) {
        CEmulatorServer::Fault fault{};
        ASSERT_TRUE(CEmulatorServer::ParseFault(c.fault, fault));
        m_server.AddFault(fault);
        CNordaSetupType::ResetTransData();
        m_type.m_TransBlock[0] = 0xEE;
        EXPECT_EQ(m_type.DoDownload(MSG_READ_ALARM, 4, &m_link->Com()), nullptr) << c.fault;
        EXPECT_EQ(CNordaSetupType::ReadProgressData(), c.counted) << c.fault;
        m_link->Com().Purge();
    }
}

TEST_F(BlockTransferTest, DownloadOnClosedPortFailsUncounted)
{
    CComSetupDialog closed;
    EXPECT_EQ(m_type.DoDownload(MSG_READ_GENERAL, 0, &closed), nullptr);
    EXPECT_EQ(m_type.DoDownload(MSG_READ_GENERAL, 0, nullptr), nullptr);
    EXPECT_EQ(CNordaSetupType::ReadProgressData(), 0u);
}

TEST_F(BlockTransferTest, UploadWritesReadsBackAndCounts149Bytes)
{
    Block data = Pattern(0xA1);
    std::memcpy(m_type.m_TransBlock, data.data(), 32);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(m_type.DoUpload(MSG_WRITE_LOGICAL, 2, &m_link->Com()), 1);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
    EXPECT_EQ(CNordaSetupType::ReadProgressData(), 149u);
    Block held{};
    m_server.GetUnit().GetBlock(CUnitEmulator::SPACE_INPUT, 26, held.data());
    EXPECT_EQ(held, data);
    EXPECT_EQ(0, std::memcmp(m_type.m_VerifyBlock, data.data(), 32));
    EXPECT_EQ(m_type.m_WriteFrame[1], 'D');
}

TEST_F(BlockTransferTest, UploadFailsWhenReadBackDiffers)
{
    CEmulatorServer::Fault fault{};
    ASSERT_TRUE(CEmulatorServer::ParseFault("readback:B:6", fault));
    m_server.AddFault(fault);
    Block data = Pattern(0x33);
    std::memcpy(m_type.m_TransBlock, data.data(), 32);
    EXPECT_EQ(m_type.DoUpload(MSG_WRITE_GENERAL, 6, &m_link->Com()), 0);
    // The write went through; only the comparison failed.
    Block held{};
    m_server.GetUnit().GetBlock(CUnitEmulator::SPACE_GENERAL, 6, held.data());
    EXPECT_EQ(held, data);
    EXPECT_EQ(CNordaSetupType::ReadProgressData(), 149u);
}

TEST_F(BlockTransferTest, UploadFailsWithoutReadBack)
{
    CEmulatorServer::Fault fault{};
    ASSERT_TRUE(CEmulatorServer::ParseFault("silent:@:9", fault));
    m_server.AddFault(fault);
    EXPECT_EQ(m_type.DoUpload(MSG_WRITE_PHYSICAL, 9, &m_link->Com()), 0);
    EXPECT_EQ(CNordaSetupType::ReadProgressData(), 78u);

    CComSetupDialog closed;
    CNordaSetupType::ResetTransData();
    EXPECT_EQ(m_type.DoUpload(MSG_WRITE_PHYSICAL, 9, &closed), 0);
    EXPECT_EQ(CNordaSetupType::ReadProgressData(), 0u);
}

TEST(TransferTotals, SectionsLessHeaderTimesBlockCost)
{
    const struct {
        int sections;
        int direction;
        uint32_t total;
    } cases[] = {
        {25, 1, 1872}, {25, 0, 3576}, {9, 1, 624}, {9, 0, 1192}, {49, 1, 3744},
        {49, 0, 7152}, {25, 2, 0},    {25, -1, 0}, {0, 1, 0},    {1, 0, 0},
    };
    for (const auto& c : cases) {
        ProbeSetupType type(c.sections);
        CNordaSetupType::UpdateTransData(50);
        EXPECT_EQ(type.GetTotalTransBytes(c.direction), c.total) << c.sections << " " << c.direction;
        EXPECT_EQ(CNordaSetupType::ReadProgressData(), 0u) << "counter restarts";
    }
}

TEST(TransferTotals, CounterAddsUnderItsLock)
{
    CNordaSetupType::ResetTransData();
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t)
        workers.emplace_back([] {
            for (int i = 0; i < 1000; ++i)
                CNordaSetupType::UpdateTransData(71);
        });
    for (auto& w : workers)
        w.join();
    EXPECT_EQ(CNordaSetupType::ReadProgressData(), 4u * 1000u * 71u);
    CNordaSetupType::ResetTransData();
    EXPECT_EQ(CNordaSetupType::ReadProgressData(), 0u);
}

}  // namespace

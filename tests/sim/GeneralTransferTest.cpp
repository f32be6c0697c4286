// The General constants moved to and from the emulated unit block by block.
#include "setup/general/CGeneral.h"
#include "sim/CEmulatorServer.h"

#include "SimLink.h"
#include "TransferDoubles.h"

#include <gtest/gtest.h>

namespace {

class GeneralTransferTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_server.Start());
        m_link = std::make_unique<SimLink>(m_server.GetSlavePath());
        ASSERT_TRUE(m_link->IsOpen());
        m_general.Initialize();
        CNordaSetupType::ResetTransData();
    }

    CUnitEmulator& Unit() { return m_server.GetUnit(); }

    CEmulatorServer m_server;
    std::unique_ptr<SimLink> m_link;
    CGeneral m_general;
};

TEST_F(GeneralTransferTest, DownloadSetsEveryMappedRow)
{
    const struct {
        int constant;
        uint32_t value;
        int section;
        const char* text;
    } cases[] = {
        {0, 3000, 1, "CONFIG"},   {1, 33, 2, "ON"},       {2, 0, 4, "NORDA BUS"}, {3, 63, 3, "0"},
        {5, 19200, 6, "19200"},   {6, 12345, 5, "9600"},  {7, 1, 8, "ON"},        {8, 5, 10, "ON"},
        {9, 0, 7, "OFF"},         {10, 2, 11, "-REF"},    {11, 1, 9, "RESET 2"},  {13, 1, 12, "ON"},
        {14, 0, 13, "OFF"},       {15, 250, 14, "12.5"},
    };
    for (const auto& c : cases)
        PutConstant(Unit(), c.constant, c.value);
    EXPECT_EQ(m_general.DownloadData(&m_link->Com()), 1);
    for (const auto& c : cases)
        EXPECT_EQ(m_general.GetCellText(c.section, 1), c.text) << "constant " << c.constant;
    EXPECT_EQ(m_general.m_nTransState, -1);
    EXPECT_EQ(CNordaSetupType::ReadProgressData(), 624u);
}

TEST_F(GeneralTransferTest, DownloadOfZeroHysteresisShowsBlankZero)
{
    ASSERT_EQ(m_general.DownloadData(&m_link->Com()), 1);
    EXPECT_EQ(m_general.GetCellText(14, 1), " 0");
    EXPECT_EQ(m_general.GetCellText(4, 1), "MODBUS");
    EXPECT_EQ(m_general.GetCellText(3, 1), "1");
}

TEST_F(GeneralTransferTest, DownloadStopsAtTheFailedBlock)
{
    PutConstant(Unit(), 0, 3033);  // block 0
    PutConstant(Unit(), 15, 100);  // block 1
    CEmulatorServer::Fault fault{};
    ASSERT_TRUE(CEmulatorServer::ParseFault("checksum:B:1", fault));
    m_server.AddFault(fault);
    EXPECT_EQ(m_general.DownloadData(&m_link->Com()), 0);
    EXPECT_EQ(m_general.GetCellText(1, 1), "CONF + GEN"); // block 0 kept its new values
    EXPECT_EQ(m_general.GetCellText(14, 1), "0");         // block 1 never arrived
    EXPECT_EQ(m_general.m_nTransState, -1);
    EXPECT_EQ(CNordaSetupType::ReadProgressData(), 78u + 7u);
}

TEST_F(GeneralTransferTest, UploadMergesIntoWhatTheUnitHolds)
{
    // Reserved constants in blocks 0 and 1, and one beyond; block 2 fails at its first read.
    PutConstant(Unit(), 4, 0xDEADBEEF);
    PutConstant(Unit(), 12, 77);
    PutConstant(Unit(), 16, 0x01020304);
    CEmulatorServer::Fault fault{};
    ASSERT_TRUE(CEmulatorServer::ParseFault("silent:B:2", fault));
    m_server.AddFault(fault);
    ASSERT_GE(m_general.GetProperty(14, 1)->SetSelText("12.5"), 0);
    ASSERT_GE(m_general.GetProperty(3, 1)->SetSelText("42"), 0);
    ASSERT_GE(m_general.GetProperty(11, 1)->SetSelText("+REF"), 0);
    ASSERT_GE(m_general.GetProperty(12, 1)->SetSelText("ON"), 0);

    EXPECT_EQ(m_general.UploadData(&m_link->Com()), 0);
    EXPECT_EQ(m_general.m_nTransState, -1);
    const struct {
        int constant;
        uint32_t value;
    } expected[] = {
        {0, 0}, {2, 1}, {3, 42}, {4, 0xDEADBEEF}, {5, 9600}, {6, 9600}, {10, 1}, {12, 77}, {13, 1},
        {15, 250}, {16, 0x01020304},
    };
    for (const auto& e : expected)
        EXPECT_EQ(GetConstant(Unit(), e.constant), e.value) << "constant " << e.constant;
    // Two blocks read and written, then the third request.
    EXPECT_EQ(CNordaSetupType::ReadProgressData(), 2u * (78u + 149u) + 7u);
}

TEST(GeneralTransferTotals, FixedTotals)
{
    CGeneral general;
    general.Initialize();
    CNordaSetupType::UpdateTransData(9);
    EXPECT_EQ(general.GetTotalTransBytes(1), 624u);
    EXPECT_EQ(CNordaSetupType::ReadProgressData(), 0u);
    EXPECT_EQ(general.GetTotalTransBytes(0), 1192u);
    EXPECT_EQ(general.GetTotalTransBytes(3), 0u);
}

}  // namespace

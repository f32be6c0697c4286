// The transfer engine against the emulated unit: Cancel after the block in flight, a question
// answered late or never, the COM setup that wakes the unit, the purge before a download and
// the General constants merged into what the unit holds.
#include "TransferRig.h"

#include "support/PtyPair.h"

#include <chrono>
#include <thread>

namespace {

class TransferEngine : public TransferRig {
protected:
    TransferEngine() : TransferRig(true) {}

    // Waits up to five seconds for the transfer's first question.
    bool WaitForQuestion()
    {
        for (int i = 0; i < 500 && m_observer.Asked().empty(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return !m_observer.Asked().empty();
    }
};

TEST_F(TransferEngine, CancelStopsAfterTheBlockInFlightAndLeavesThePortUsable)
{
    const struct { TransferDirection direction; const char* cancelAt; int blocksDone; } cases[] = {
        {TransferDirection::Upload, "Logical Input", 8 + 24},
        {TransferDirection::Download, "Alarm", 8 + 24 + 7},
    };
    for (const auto& c : cases) {
        m_server.GetUnit().Reset(true);
        CTransfer* running = nullptr;
        m_observer.m_onStarted = [&](const std::string& title) {
            if (title == c.cancelAt)
                running->Cancel();
        };
        CTransfer transfer(m_unit, m_connection.GetLink(), c.direction, m_observer);
        running = &transfer;
        TransferResult result = transfer.Run();
        EXPECT_EQ(result.end, TransferEnd::Cancelled);
        EXPECT_EQ(result.blocksDone, c.blocksDone);
        EXPECT_EQ(result.blocksTotal, 87);
        EXPECT_EQ(result.unitWritten, c.direction == TransferDirection::Upload);
        m_observer.m_onStarted = nullptr;
    }
    // The upload wrote General and the physical inputs, nothing after them.
    EXPECT_EQ(m_server.GetWriteCount(), 8 + 24);
    TransferRun again = Run(m_unit, TransferDirection::Download);
    EXPECT_EQ(again.result.end, TransferEnd::Completed);
}

// The question stays open on the worker until somebody on another thread answers it: Cancel
// ends the transfer, Retry runs it again from General.
TEST_F(TransferEngine, AnOpenQuestionWaitsForCancelOrRetryFromAnotherThread)
{
    for (bool retry : {false, true}) {
        AddFault("silent:A:40");
        m_observer.m_bHold = true;
        m_observer.Clear();
        CTransfer transfer(m_unit, m_connection.GetLink(), TransferDirection::Download, m_observer);
        int finishedBefore = m_observer.Finished();
        transfer.Start();
        ASSERT_TRUE(WaitForQuestion());
        EXPECT_EQ(m_observer.Finished(), finishedBefore);
        if (retry)
            transfer.Answer(true);
        else
            transfer.Cancel();
        transfer.Wait();
        EXPECT_EQ(m_observer.Finished(), finishedBefore + 1);
        EXPECT_EQ(m_observer.Asked(), std::vector<std::string>{"Error to download Alarm data"});
        EXPECT_EQ(m_observer.Titles().size(), retry ? 8u : 4u);
        if (retry) {
            EXPECT_EQ(transfer.GetBytesMoved(), 6786u);
        }
    }
}

TEST_F(TransferEngine, UploadOfGeneralKeepsTheUnitsReservedConstants)
{
    for (int c : {4, 12, 16, 31, 40, 63})
        PutConstant(m_server.GetUnit(), c, 0x11000000u + static_cast<uint32_t>(c));
    CNordaSetupType* general = m_unit.GetSetupType(ST_GENERAL);
    ASSERT_EQ(general->ValidateData(14, 1, "12.5"), 1);
    ASSERT_EQ(general->ValidateData(3, 1, "9"), 1);
    EXPECT_EQ(Run(m_unit, TransferDirection::Upload).result.end, TransferEnd::Completed);
    EXPECT_EQ(GetConstant(m_server.GetUnit(), 15), 250u);
    EXPECT_EQ(GetConstant(m_server.GetUnit(), 3), 9u);
    EXPECT_EQ(GetConstant(m_server.GetUnit(), 5), 9600u);
    for (int c : {4, 12, 16, 31, 40, 63})
        EXPECT_EQ(GetConstant(m_server.GetUnit(), c), 0x11000000u + static_cast<uint32_t>(c)) << c;
}

TEST_F(TransferRig, DownloadPurgesStaleInput)
{
    AddFault("silent:@:0");
    // A reply nobody read is waiting on the line; without the purge General block 0 would
    // read it in place of its own.
    const uint8_t request[7] = {'#', 'A', '0', '0', '4', '1', '$'};
    ASSERT_EQ(m_connection.GetLink().Write(request, 7), 7);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(Run(m_unit, TransferDirection::Download).result.end, TransferEnd::Failed);
    EXPECT_EQ(m_observer.Asked(), std::vector<std::string>{"Error to download Physical Input data"});
    EXPECT_EQ(m_unit.GetSetupType(ST_GENERAL)->GetCellText(6, 1), "9600");
}

TEST(UnitConnection, SetupWakesTheUnitAndRunsOnlyUntilItSucceeds)
{
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    RecordingPrompt prompt;
    DirectComUi ui(pty.SlavePath());
    CUnitConnection connection(&prompt, &ui);
    EXPECT_TRUE(connection.EnsureReady());
    EXPECT_TRUE(connection.EnsureReady());
    EXPECT_EQ(ui.m_nSetups, 1);
    EXPECT_EQ(pty.Receive(3, 500), "   ");

    // A cancelled setup leaves the link not ready: the next transfer asks again.
    ui.m_strPort.clear();
    EXPECT_FALSE(connection.CommSetup());
    EXPECT_FALSE(connection.EnsureReady());
    EXPECT_EQ(ui.m_nSetups, 3);
}

}  // namespace

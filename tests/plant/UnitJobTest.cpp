// Plant jobs side by side on threads of their own, as plant upload runs them: one completes, one
// is cancelled from another thread during its backup, one fails on its missing file alone; the
// shared log keeps a whole record of each.
#include "PlantFixture.h"

#include "plant/CPlantUnitJob.h"
#include "sim/CEmulatorServer.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <set>
#include <thread>

namespace {

class UnitJobs : public PlantFixture {
protected:
    void SetUp() override
    {
        PlantFixture::SetUp();
        for (auto& server : m_servers) {
            server = std::make_unique<CEmulatorServer>(true);
            ASSERT_TRUE(server->Start());
        }
        m_servers[1]->SetReplyDelayMs(20);  // its backup lasts until it is cancelled
        m_plant = CPlant(Path("p.q4plant"), "p");
        MakeSetup("an-1.q4g", {{0, 3, 1, "3"}});
        MakeSetup("an-2.q4g", {{0, 3, 1, "4"}});
        for (const char* tag : {"AN-1", "AN-2", "AN-3"}) {  // AN-3's file is missing
            std::string file = tag;
            ASSERT_TRUE(m_plant.AddUnit({tag, "an-" + file.substr(3) + ".q4g", "", ""}));
        }
    }

    std::unique_ptr<CPlantUnitJob> Job(size_t unit, JobAction action, const std::string& port) const
    {
        JobSettings settings;
        settings.port.port = port;
        settings.port.line.m_baudRate = 110;  // a long quiet time for a busy machine; the pty ignores it
        settings.port.fixedWaitMs = 0;
        return std::make_unique<CPlantUnitJob>(m_plant, m_plant.GetUnits()[unit], action, settings);
    }

    std::unique_ptr<CEmulatorServer> m_servers[2];
    CPlant m_plant;
};

TEST_F(UnitJobs, SideBySideOneCompletesOneIsCancelledOneFailsAlone)
{
    std::unique_ptr<CPlantUnitJob> jobs[] = {Job(0, JobAction::Upload, m_servers[0]->GetSlavePath()),
                                             Job(1, JobAction::Upload, m_servers[1]->GetSlavePath()),
                                             Job(2, JobAction::Verify, m_servers[1]->GetSlavePath())};
    std::vector<std::thread> threads;
    for (auto& job : jobs)
        threads.emplace_back([&job] { job->Run(); });
    for (int i = 0; i < 10000 && m_servers[1]->GetRequestCount() < 10; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    jobs[1]->Cancel();
    for (std::thread& thread : threads)
        thread.join();

    const JobResult& done = jobs[0]->GetResult();
    EXPECT_EQ(done.outcome, JobOutcome::Ok) << done.reason;
    EXPECT_EQ(done.backupPath.rfind(Path("backups/AN-1/unit-"), 0), 0u) << done.backupPath;
    // Among what the upload changed in the blank unit, its device number.
    EXPECT_NE(std::find_if(done.cells.begin(), done.cells.end(),
                           [](const CellDifference& c) { return c.sheet == 0 && c.row == 3 && c.textA == "0" && c.textB == "3"; }),
              done.cells.end());
    EXPECT_EQ(m_servers[0]->GetWriteCount(), done.blocksWritten);

    const JobResult& stopped = jobs[1]->GetResult();
    EXPECT_EQ(stopped.outcome, JobOutcome::Stopped);
    EXPECT_NE(stopped.reason.find("the backup was stopped after "), std::string::npos) << stopped.reason;
    EXPECT_NE(stopped.reason.find(" of 87 blocks read; nothing was written to the unit"), std::string::npos)
        << stopped.reason;
    EXPECT_EQ(m_servers[1]->GetWriteCount(), 0);

    EXPECT_EQ(jobs[2]->GetResult().outcome, JobOutcome::Failed);

    CPlantLog::Contents log = CPlantLog(m_plant.GetLogPath()).Read();
    EXPECT_TRUE(log.warnings.empty());
    std::multiset<std::string> records;
    for (const PlantLogRecord& record : log.records)
        records.insert(record.tag + " " + CPlantLog::ActionName(record.action) + " " + CPlantLog::ResultName(record.result));
    EXPECT_EQ(records, (std::multiset<std::string>{"AN-1 backup ok", "AN-1 upload ok", "AN-1 verify ok",
                                                   "AN-2 backup stopped", "AN-2 upload stopped", "AN-3 verify failed"}));
}

}  // namespace

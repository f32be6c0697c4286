// An upload as one job: the questions before writing and their answers, the backup, only the
// blocks the unit does not hold written, the changes and the verify by read-back recorded, a
// stop part-way recorded with what its blocks changed, Retry, and the port let go afterwards.
#include "JobRig.h"

#include "link/CZTSerial.h"
#include "model/CDocumentFile.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <thread>

namespace {

const CellDifference* FindCell(const std::vector<CellDifference>& cells, int sheet, int row, int col)
{
    auto at = std::find_if(cells.begin(), cells.end(), [&](const CellDifference& c) {
        return c.sheet == sheet && c.row == row && c.col == col && !c.flag;
    });
    return at == cells.end() ? nullptr : &*at;
}

class UploadJob : public JobRig {
protected:
    JobResult Upload(const std::vector<JobEdit>& edits, JobSettings settings)
    {
        CUnitJob job(JobAction::Upload, settings);
        return Run(job, edits);
    }
};

// Whether or not a backup says what the unit holds, a block it holds already is not written,
// and one that differs is; --all-blocks writes each.
TEST_F(UploadJob, OnlyTheBlocksTheUnitDoesNotHoldAreWritten)
{
    for (const bool backup : {false, true}) {
        SCOPED_TRACE(backup ? "with a backup" : "without a backup");
        m_server.GetUnit().Reset(true);
        JobSettings settings = Settings();
        if (backup)
            settings.backupFolder = Path("backups");

        const int before = m_server.GetWriteCount();
        JobResult first = Upload(AlarmOnIn11("5"), settings);
        ASSERT_EQ(first.outcome, JobOutcome::Ok) << first.reason;
        // A blank unit holds none of a set-up's blocks but its zero ones.
        EXPECT_EQ(first.blocksWritten, m_server.GetWriteCount() - before);
        EXPECT_EQ(first.blocksWritten + first.blocksHeld, 87);
        EXPECT_GT(first.blocksWritten, 40);

        // The same set-up again: nothing to write.
        const int written = m_server.GetWriteCount();
        JobResult again = Upload(AlarmOnIn11("5"), settings);
        ASSERT_EQ(again.outcome, JobOutcome::Ok) << again.reason;
        EXPECT_EQ(m_server.GetWriteCount(), written);
        EXPECT_EQ(again.blocksWritten, 0);
        EXPECT_EQ(again.blocksHeld, 87);
        EXPECT_TRUE(again.cells.empty());

        // One set point: one alarm block, and the change names it with what the unit held.
        JobResult one = Upload(AlarmOnIn11("7.5"), settings);
        ASSERT_EQ(one.outcome, JobOutcome::Ok) << one.reason;
        EXPECT_EQ(m_server.GetWriteCount(), written + 1);
        EXPECT_EQ(one.blocksWritten, 1);
        ASSERT_EQ(one.cells.size(), 1u);
        EXPECT_EQ(one.cells[0].sheet, 3);
        EXPECT_EQ(one.cells[0].textA, "5");
        EXPECT_EQ(one.cells[0].textB, "7.5");

        settings.allBlocks = true;
        JobResult all = Upload(AlarmOnIn11("7.5"), settings);
        ASSERT_EQ(all.outcome, JobOutcome::Ok) << all.reason;
        EXPECT_EQ(m_server.GetWriteCount(), written + 1 + 87);
        EXPECT_EQ(all.blocksWritten, 87);
    }
    // The unit holds what was written: a verify of the last set-up finds it.
    CUnitJob verify(JobAction::Verify, Settings());
    EXPECT_EQ(Run(verify, AlarmOnIn11("7.5")).outcome, JobOutcome::Ok);
}

// Each question comes before anything is written; No writes nothing, Yes goes on and is
// recorded with the upload.
TEST_F(UploadJob, TheQuestionsBeforeWritingAreAskedAndTheirAnswersRecorded)
{
    // The unit is device 7.
    ASSERT_EQ(Upload({{0, 3, 1, "7"}}, Settings()).outcome, JobOutcome::Ok);
    const struct {
        const char* what;
        std::vector<JobEdit> edits;
        bool findings, otherDevice;
        std::vector<JobQuestion::Kind> asked;
        JobOutcome outcome;
        size_t confirmed;
    } cases[] = {
        {"a delay the unit keeps as 13 s, No", AlarmOnIn11("5", "12.5"), false, false, {JobQuestion::Kind::Findings},
         JobOutcome::Refused, 0},
        {"device 3 on unit 7, No", {{0, 3, 1, "3"}}, false, false, {JobQuestion::Kind::OtherDevice}, JobOutcome::Refused, 0},
        {"both, Yes to the cells, No to the device", [] {
             auto edits = AlarmOnIn11("5", "12.5");
             edits.push_back({0, 3, 1, "3"});
             return edits;
         }(),
         true, false, {JobQuestion::Kind::Findings, JobQuestion::Kind::OtherDevice}, JobOutcome::Refused, 1},
        {"device 3 on unit 7, Yes", {{0, 3, 1, "3"}}, false, true, {JobQuestion::Kind::OtherDevice}, JobOutcome::Ok, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(Upload({{0, 3, 1, "7"}}, Settings()).outcome, JobOutcome::Ok);
        m_answerer.Reset();
        m_answerer.findings = c.findings;
        m_answerer.otherDevice = c.otherDevice;
        m_records.records.clear();
        const int writes = m_server.GetWriteCount();
        JobResult result = Upload(c.edits, Settings());
        EXPECT_EQ(m_answerer.Kinds(), c.asked);
        EXPECT_EQ(result.outcome, c.outcome) << result.reason;
        if (c.outcome == JobOutcome::Refused) {
            EXPECT_EQ(m_server.GetWriteCount(), writes);
            EXPECT_NE(result.reason.find("nothing was written to the unit"), std::string::npos) << result.reason;
        } else {
            EXPECT_GT(m_server.GetWriteCount(), writes);
        }
        ASSERT_FALSE(m_records.records.empty());
        const JobRecord& upload = m_records.records[0];
        EXPECT_EQ(upload.step, JobStep::Upload);
        EXPECT_EQ(upload.outcome, c.outcome);
        EXPECT_EQ(upload.confirmed.size(), c.confirmed);
    }
    // The cells question names the cell with what the unit will hold, before the port opens.
    m_answerer.Reset();
    const int requests = m_server.GetRequestCount();
    Upload(AlarmOnIn11("5", "12.5"), Settings());
    const std::vector<JobQuestion> asked = m_answerer.Asked();
    ASSERT_EQ(asked.size(), 1u);
    const CellDifference* delay = FindCell(asked[0].cells, 3, 1, 6);
    ASSERT_NE(delay, nullptr);
    EXPECT_EQ(delay->textA, "12.5");
    EXPECT_EQ(delay->textB, "13");
    EXPECT_EQ(m_server.GetRequestCount(), requests);
}

// The backup keeps the unit's own device number; the upload's changes say what the unit held
// and holds (13 s, not the 12.5 typed); the verify by read-back names the cell it holds otherwise.
TEST_F(UploadJob, AnUploadWithItsBackupRecordsWhatTheUnitHeldAndNowHolds)
{
    ASSERT_EQ(Upload({{0, 3, 1, "7"}}, Settings()).outcome, JobOutcome::Ok);
    m_records.records.clear();
    m_answerer.findings = true;
    m_answerer.otherDevice = true;
    JobSettings settings = Settings();
    settings.backupFolder = Path("backups/AN-1");
    auto edits = AlarmOnIn11("5", "12.5");
    edits.push_back({0, 3, 1, "3"});
    JobResult result = Upload(edits, settings);
    ASSERT_EQ(result.outcome, JobOutcome::Ok) << result.reason;

    ASSERT_EQ(m_records.Steps(), (std::vector<std::string>{"backup ok", "upload ok", "verify differs"}));
    const JobRecord& backup = m_records.records[0];
    EXPECT_EQ(backup.device, 7);
    EXPECT_EQ(backup.backup, result.backupPath);
    EXPECT_EQ(result.backupPath.rfind(Path("backups/AN-1/unit-"), 0), 0u) << result.backupPath;
    RecordingPrompt prompt;
    CQ4kUnit kept(prompt);
    CDocumentFile file;
    q4::Status loaded = file.Load(kept, result.backupPath);
    ASSERT_TRUE(loaded) << loaded.Reason();
    EXPECT_EQ(kept.GetDeviceNumber(), 7u);

    const JobRecord& upload = m_records.records[1];
    EXPECT_EQ(upload.device, 3);
    EXPECT_EQ(upload.confirmed.size(), 2u);
    const CellDifference* device = FindCell(upload.cells, 0, 3, 1);
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->textA, "7");
    EXPECT_EQ(device->textB, "3");
    const CellDifference* delay = FindCell(upload.cells, 3, 1, 6);
    ASSERT_NE(delay, nullptr);
    EXPECT_EQ(delay->textB, "13");

    const JobRecord& verified = m_records.records[2];
    ASSERT_EQ(verified.cells.size(), 1u);
    EXPECT_EQ(verified.cells[0].textA, "12.5");
    EXPECT_EQ(verified.cells[0].textB, "13");
}

// Stopped after some blocks: the record counts the blocks written and lists what they changed
// (the device number among the first), and nothing of the blocks not reached.
TEST_F(UploadJob, AStoppedUploadRecordsTheBlocksWrittenAndWhatTheyChanged)
{
    m_server.SetReplyDelayMs(5);
    auto edits = AlarmOnIn11("5");
    edits.push_back({0, 3, 1, "3"});
    CUnitJob job(JobAction::Upload, Settings());
    std::thread stopper([&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (m_server.GetWriteCount() < 12 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        job.Cancel();
    });
    JobResult result = Run(job, edits);
    stopper.join();
    ASSERT_EQ(result.outcome, JobOutcome::Stopped) << result.reason;
    EXPECT_EQ(result.blocksWritten, m_server.GetWriteCount());
    EXPECT_NE(result.reason.find("the unit now holds a partly written set-up (" + std::to_string(result.blocksWritten)
                                 + " of 87 blocks written)"),
              std::string::npos)
        << result.reason;
    ASSERT_EQ(m_records.Steps(), (std::vector<std::string>{"upload stopped"}));
    const JobRecord& upload = m_records.records[0];
    EXPECT_EQ(upload.blocksWritten, result.blocksWritten);
    EXPECT_EQ(upload.blocksTotal, 87);
    EXPECT_NE(FindCell(upload.cells, 0, 3, 1), nullptr);
    // The alarm blocks come last: not reached, not listed.
    EXPECT_EQ(FindCell(upload.cells, 3, 1, 4), nullptr);
}

// A failed block asks Retry; Yes starts again and completes, No ends the job with the block named.
TEST_F(UploadJob, AFailedBlockIsRetriedOrNamed)
{
    const struct {
        int retries;
        JobOutcome outcome;
        const char* reason;
    } cases[] = {
        {1, JobOutcome::Ok, ""},
        {0, JobOutcome::Failed, "the read of the unit failed: Error to download General data; nothing was written to the unit"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.retries);
        CEmulatorServer::Fault fault{};
        ASSERT_TRUE(CEmulatorServer::ParseFault("silent:B:0", fault));
        m_server.AddFault(fault);
        m_answerer.Reset();
        m_answerer.retries = c.retries;
        JobResult result = Upload(AlarmOnIn11(), Settings());
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.reason, c.reason);
        EXPECT_EQ(m_answerer.Kinds(), std::vector<JobQuestion::Kind>{JobQuestion::Kind::Retry});
    }
}

// The port is the job's only while it runs: another opener gets it once the job has ended.
TEST_F(UploadJob, ThePortIsLetGoWhenTheJobEnds)
{
    CZTSerial other;
    bool heldWhileRunning = false;
    m_answerer.onAsked = [&](const JobQuestion&) {
        heldWhileRunning = other.OpenCommPort(m_server.GetSlavePath()) == CZTSerial::INVALID_PORT;
        other.CloseCommPort();
    };
    CEmulatorServer::Fault fault{};
    ASSERT_TRUE(CEmulatorServer::ParseFault("silent:B:0", fault));
    m_server.AddFault(fault);
    m_answerer.retries = 1;
    ASSERT_EQ(Upload(AlarmOnIn11(), Settings()).outcome, JobOutcome::Ok);
    EXPECT_TRUE(heldWhileRunning);
    EXPECT_NE(other.OpenCommPort(m_server.GetSlavePath()), CZTSerial::INVALID_PORT) << other.GetOpenError();
}

// A record that cannot be written does not stop the job; the result says why.
TEST_F(UploadJob, ARecordThatCannotBeWrittenIsSaid)
{
    m_records.failWith = "cannot write site.q4plant.log: No space left on device";
    JobResult result = Upload(AlarmOnIn11(), Settings());
    EXPECT_EQ(result.outcome, JobOutcome::Ok);
    EXPECT_EQ(result.recordError, m_records.failWith);
}

// The checks' errors and warnings are asked about with the cells the unit cannot hold; a rule the
// set-up's plant unit ignores asks nothing; No writes nothing, Yes is recorded.
TEST_F(UploadJob, TheChecksErrorsAndWarningsAreAskedAbout)
{
    // A set point at the top of its input's display range, watched from above: it never trips.
    auto neverTrips = AlarmOnIn11("100");
    neverTrips.push_back({3, 1, 3, ">"});
    const struct {
        const char* what;
        std::vector<JobEdit> edits;
        std::vector<std::string> ignored;
        bool yes;
        std::vector<std::string> rules;  // of the question's findings; none: no question
        JobOutcome outcome;
    } cases[] = {
        {"never trips, No", neverTrips, {}, false, {"never-trips"}, JobOutcome::Refused},
        {"never trips, Yes", neverTrips, {}, true, {"never-trips"}, JobOutcome::Ok},
        {"never trips, ignored by the unit", neverTrips, {"never-trips"}, false, {}, JobOutcome::Ok},
        // A delay the unit rounds is named as a cell, not again as a finding.
        {"a delay the unit keeps as 13 s", AlarmOnIn11("5", "12.5"), {}, false, {}, JobOutcome::Refused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_answerer.Reset();
        m_answerer.findings = c.yes;
        m_records.records.clear();
        JobSettings settings = Settings();
        settings.ignoredRules = c.ignored;
        const int writes = m_server.GetWriteCount();
        JobResult result = Upload(c.edits, settings);
        EXPECT_EQ(result.outcome, c.outcome) << result.reason;
        std::vector<std::string> rules;
        for (const JobQuestion& question : m_answerer.Asked()) {
            for (const Finding& finding : question.findings)
                rules.push_back(finding.rule);
        }
        EXPECT_EQ(rules, c.rules);
        if (c.outcome == JobOutcome::Refused) {
            EXPECT_EQ(m_server.GetWriteCount(), writes);
            ASSERT_FALSE(m_records.records.empty());
            EXPECT_EQ(m_records.records[0].reason.rfind("the ", 0), 0u);
        }
        if (c.yes) {
            ASSERT_FALSE(m_records.records.empty());
            EXPECT_EQ(m_records.records[0].confirmed,
                      std::vector<std::string>{"uploaded although the checks find 1 errors and 0 warnings in the set-up"});
        }
    }
}

// A backup never takes the name of a file that is there; a folder that cannot be made is named.
TEST_F(UploadJob, BackupNamesAreNeverReused)
{
    std::tm local{};
    local.tm_year = 2026 - 1900;
    local.tm_mon = 11;
    local.tm_mday = 6;
    local.tm_hour = 14;
    local.tm_min = 30;
    local.tm_sec = 15;
    local.tm_isdst = -1;
    const std::time_t when = std::mktime(&local);
    std::vector<std::string> names;
    for (int i = 0; i < 3; ++i) {
        q4::Result<std::string> path = CUnitJob::NewBackupPath(Path("backups/AN-1"), when);
        ASSERT_TRUE(path) << path.Reason();
        std::ofstream(path.Value()) << "x";
        names.push_back(std::filesystem::path(path.Value()).filename().string());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"unit-2026-12-06-143015.q4g", "unit-2026-12-06-143015-2.q4g",
                                               "unit-2026-12-06-143015-3.q4g"}));
    std::ofstream(Path("file")) << "x";
    q4::Result<std::string> none = CUnitJob::NewBackupPath(Path("file/backups"), when);
    ASSERT_FALSE(none);
    EXPECT_EQ(none.Reason().rfind("cannot make the backup folder " + Path("file/backups") + ": ", 0), 0u) << none.Reason();
}

}  // namespace

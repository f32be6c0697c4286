// Jobs that read the unit: a download saved to its file and recorded with the unit's own device
// number, a verify that finds the unit holding the set-up or not, and the General blocks alone.
#include "JobRig.h"

#include "model/CDocumentFile.h"
#include "model/Sha256.h"

#include <fstream>
#include <iterator>

namespace {

class ReadJob : public JobRig {
protected:
    void SetUp() override
    {
        JobRig::SetUp();
        auto edits = AlarmOnIn11("7.5");
        edits.push_back({0, 3, 1, "9"});
        CUnitJob upload(JobAction::Upload, Settings());
        ASSERT_EQ(Run(upload, edits).outcome, JobOutcome::Ok);
        m_records.records.clear();
    }
};

TEST_F(ReadJob, ADownloadIsSavedAndRecordedAsTheUnitsOwn)
{
    JobSettings settings = Settings();
    settings.downloadPath = Path("down.q4g");
    CUnitJob job(JobAction::Download, settings);
    job.SetRecorder(&m_records);
    const JobResult& result = job.Run();
    ASSERT_EQ(result.outcome, JobOutcome::Ok) << result.reason;
    EXPECT_EQ(result.unitDevice, 9u);

    std::ifstream in(settings.downloadPath, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(bytes.empty());
    ASSERT_EQ(m_records.Steps(), std::vector<std::string>{"download ok"});
    EXPECT_EQ(m_records.records[0].device, 9);
    EXPECT_EQ(m_records.records[0].sha256, q4::CSha256::Hex(bytes.data(), bytes.size()));

    RecordingPrompt prompt;
    CQ4kUnit saved(prompt);
    CDocumentFile file;
    q4::Status loaded = file.Load(saved, settings.downloadPath);
    ASSERT_TRUE(loaded) << loaded.Reason();
    EXPECT_EQ(saved.GetSetupType(3)->GetCellText(1, 4), "7.5");
}

TEST_F(ReadJob, AVerifyTellsWhetherTheUnitHoldsTheSetUp)
{
    const struct {
        const char* setPoint;
        JobOutcome outcome;
        size_t cells;
    } cases[] = {{"7.5", JobOutcome::Ok, 0}, {"8", JobOutcome::Differs, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setPoint);
        m_records.records.clear();
        auto edits = AlarmOnIn11(c.setPoint);
        edits.push_back({0, 3, 1, "9"});
        CUnitJob job(JobAction::Verify, Settings());
        const JobResult& result = Run(job, edits);
        EXPECT_EQ(result.outcome, c.outcome) << result.reason;
        EXPECT_EQ(result.cells.size(), c.cells);
        ASSERT_EQ(m_records.records.size(), 1u);
        EXPECT_EQ(m_records.records[0].step, JobStep::Verify);
        EXPECT_EQ(m_records.records[0].cells.size(), c.cells);
    }
}

TEST_F(ReadJob, ReadingTheDeviceReadsTheGeneralBlocksAlone)
{
    CUnitJob job(JobAction::ReadDevice, Settings());
    const int requests = m_server.GetRequestCount();
    const JobResult& result = job.Run();
    ASSERT_EQ(result.outcome, JobOutcome::Ok) << result.reason;
    EXPECT_EQ(result.unitDevice, 9u);
    EXPECT_EQ(m_server.GetRequestCount() - requests, 8);
}

// A port that cannot be opened is named with the system's reason; a verify records the failure.
TEST_F(ReadJob, APortThatCannotBeOpenedIsNamed)
{
    JobSettings settings = Settings();
    settings.port.port = Path("no-such-tty");
    CUnitJob job(JobAction::Verify, settings);
    const JobResult& result = Run(job, AlarmOnIn11());
    EXPECT_EQ(result.outcome, JobOutcome::Failed);
    EXPECT_EQ(result.reason, "Error to open com port. " + Path("no-such-tty") + ": No such file or directory");
    ASSERT_EQ(m_records.Steps(), std::vector<std::string>{"verify failed"});
}

}  // namespace

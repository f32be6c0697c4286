// Test rig for jobs: an emulated unit on a pty, a scripted answerer that records what it was
// asked, a recorder that keeps the records, and set-ups typed through the sheets' own rules.
#pragma once

#include "job/CUnitJob.h"
#include "sim/CEmulatorServer.h"
#include "support/RecordingPrompt.h"
#include "unit/CQ4kUnit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

// sheet, row, col, text as typed into the grids.
using JobEdit = std::tuple<int, int, int, std::string>;

class ScriptedAnswerer : public IJobAnswerer {
public:
    // The answer to each kind of question; Retry answers Yes as long as retries last.
    bool findings = false;
    bool otherDevice = false;
    int retries = 0;
    // Called on the job's thread as a question comes, before it is answered.
    std::function<void(const JobQuestion&)> onAsked;

    void Ask(CUnitJob& job, const JobQuestion& question) override
    {
        bool yes = false;
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_asked.push_back(question);
            if (question.kind == JobQuestion::Kind::Findings)
                yes = findings;
            else if (question.kind == JobQuestion::Kind::OtherDevice)
                yes = otherDevice;
            else if (retries > 0) {
                --retries;
                yes = true;
            }
        }
        if (onAsked)
            onAsked(question);
        job.Answer(yes);
    }
    std::vector<JobQuestion> Asked() const
    {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_asked;
    }
    // Answers No to everything again, and forgets what was asked.
    void Reset()
    {
        std::lock_guard<std::mutex> lock(m_lock);
        findings = otherDevice = false;
        retries = 0;
        onAsked = nullptr;
        m_asked.clear();
    }
    std::vector<JobQuestion::Kind> Kinds() const
    {
        std::vector<JobQuestion::Kind> kinds;
        for (const JobQuestion& question : Asked())
            kinds.push_back(question.kind);
        return kinds;
    }

private:
    mutable std::mutex m_lock;
    std::vector<JobQuestion> m_asked;
};

class KeptRecords : public IJobRecorder {
public:
    std::string failWith;  // every record fails with this reason when set

    q4::Status Record(const JobRecord& record) override
    {
        if (!failWith.empty())
            return q4::Failure{failWith};
        records.push_back(record);
        return {};
    }
    // "backup ok", "upload stopped", ... in the order recorded.
    std::vector<std::string> Steps() const
    {
        static const char* const steps[] = {"backup", "general", "upload", "download", "verify", "read"};
        static const char* const outcomes[] = {"ok", "differs", "refused", "failed", "stopped"};
        std::vector<std::string> named;
        for (const JobRecord& record : records)
            named.push_back(std::string(steps[static_cast<int>(record.step)]) + " "
                            + outcomes[static_cast<int>(record.outcome)]);
        return named;
    }
    std::vector<JobRecord> records;
};

class JobRig : public ::testing::Test {
protected:
    explicit JobRig(bool blankUnit = true) : m_server(blankUnit) {}

    void SetUp() override
    {
        ASSERT_TRUE(m_server.Start());
        std::string pattern = (std::filesystem::temp_directory_path() / "q4jobXXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    JobSettings Settings() const
    {
        JobSettings settings;
        settings.port.port = m_server.GetSlavePath();
        // A long quiet time for a busy machine; the pty ignores the rate.
        settings.port.line.m_baudRate = 110;
        settings.port.fixedWaitMs = 2;
        return settings;
    }

    // A default set-up with the edits typed in.
    void Type(CQ4kUnit& unit, const std::vector<JobEdit>& edits)
    {
        unit.Initialize();
        for (const auto& [sheet, row, col, text] : edits)
            ASSERT_TRUE(unit.GetSetupType(sheet)->ValidateData(row, col, text)) << text;
    }

    // Runs a job of that action over the set-up typed, answered and recorded by the rig's own.
    const JobResult& Run(CUnitJob& job, const std::vector<JobEdit>& edits)
    {
        CQ4kUnit setup(m_prompt);
        Type(setup, edits);
        job.SetSetup(setup, {Path("plant1.q4g"), "sha"});
        job.SetAnswerer(&m_answerer);
        job.SetRecorder(&m_records);
        return job.Run();
    }

    CEmulatorServer m_server;
    RecordingPrompt m_prompt;
    ScriptedAnswerer m_answerer;
    KeptRecords m_records;
    std::filesystem::path m_dir;
};

// An alarm on IN 11 as the examples type it, seen on LED 1 and named, so that the checks find
// nothing to ask about; its set point and delay as given.
inline std::vector<JobEdit> AlarmOnIn11(const std::string& setPoint = "5", const std::string& delay = "0.300")
{
    return {{1, 1, 1, "10 V"}, {1, 1, 5, "10"},     {1, 1, 6, "100"},    {3, 1, 1, "IN 11"},
            {3, 1, 4, setPoint}, {3, 1, 6, delay}, {3, 1, 7, "1"}, {3, 1, 5, "LEVEL"}};
}

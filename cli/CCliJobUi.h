// What a person sees of a job on the command line: a line on standard error as each sheet
// starts, the job's questions answered from the command's flags (--strict, --force, --retries)
// with what was asked printed, and Ctrl+C or SIGTERM stopping the job after the block in flight.
#pragma once

#include "job/IJobAnswerer.h"
#include "job/IJobWatcher.h"

#include <functional>
#include <iosfwd>
#include <mutex>
#include <string>

class CUnitJob;

struct CliAnswers {
    bool strict = false;  // cells the unit cannot hold: nothing is written; a download's: no file
    bool force = false;   // another device: upload all the same
    int retries = 0;      // a failed block starts the transfer again this often, then Cancel
};

class CCliJobUi : public IJobAnswerer, public IJobWatcher {
public:
    // err: where the progress and the questions go; path names the set-up in them.
    CCliJobUi(std::ostream& err, CliAnswers answers, std::string path);
    // Several jobs side by side: what is said of this one is prefixed with its unit's tag
    // ("AN-101: ..."), and written whole under lock.
    void SetUnit(std::string tag, std::mutex* lock);

    // Runs the job on this thread; a signal cancels it.
    void Run(CUnitJob& job);
    // The same for work of several jobs: run on this thread, cancel from the signal's.
    void Run(const std::function<void()>& run, const std::function<void()>& cancel);
    // The signal that stopped the job (SIGINT or SIGTERM), or 0.
    int GetStopSignal() const { return m_signal; }
    // "stopped by SIGINT".
    std::string StopText() const;

    void Ask(CUnitJob& job, const JobQuestion& question) override;
    void OnStep(JobStep, int) override {}
    void OnSetupTypeStarted(JobStep step, int index, const std::string& title) override;
    void OnProgress(const JobProgress&) override {}
    void OnBackupKept(const std::string& path) override;

private:
    void Say(const std::string& text);

    std::ostream& m_err;
    std::string m_tag;
    std::mutex* m_lock = nullptr;
    CliAnswers m_answers;
    std::string m_path;
    int m_signal = 0;
};

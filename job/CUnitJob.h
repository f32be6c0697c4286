// One job on one unit on one port, for every front end: the port opened and held while the job
// runs; before an upload the questions about cells the unit cannot hold and about another
// device, the unit's backup (or its General blocks), only the blocks the unit does not hold
// written and read back, the changes listed and verified; a download, a verify or a read; and a
// record of each step.
#pragma once

#include "job/IJobAnswerer.h"
#include "job/IJobRecorder.h"
#include "job/IJobWatcher.h"
#include "job/JobTypes.h"
#include "model/Result.h"
#include "transfer/CTransfer.h"
#include "transfer/CUnitLine.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"
#include "unit/CUnitImage.h"

#include <condition_variable>
#include <ctime>
#include <memory>
#include <mutex>
#include <string>

class CUnitJob {
public:
    CUnitJob(JobAction action, JobSettings settings);
    ~CUnitJob();
    CUnitJob(const CUnitJob&) = delete;
    CUnitJob& operator=(const CUnitJob&) = delete;

    // The set-up an upload writes or a verify compares with the unit, copied; name says in the
    // records which it is. Call before Run.
    void SetSetup(const CQ4kUnit& setup, JobSetupName name);
    // Reads the set-up from its file, which then names it. Fails with the file's reason.
    q4::Status LoadSetup(const std::string& path);
    // Null: every question answered No (Cancel for a Retry). Each outlives the job's Run.
    void SetAnswerer(IJobAnswerer* answerer) { m_answerer = answerer; }
    void SetWatcher(IJobWatcher* watcher) { m_watcher = watcher; }
    // Null: nothing recorded.
    void SetRecorder(IJobRecorder* recorder) { m_recorder = recorder; }

    // The whole job on the calling thread; the port is let go before it returns.
    const JobResult& Run();
    // From any thread: the transfer in flight stops after its block, nothing follows it, and
    // an open question counts as answered No.
    void Cancel();
    // The answer to the question asked last; from any thread.
    void Answer(bool yes);

    JobAction GetAction() const { return m_action; }
    const JobSettings& GetSettings() const { return m_settings; }
    const JobResult& GetResult() const { return m_result; }
    // The set-up copied for the job (an upload's, a verify's).
    CQ4kUnit& GetSetup() { return *m_setup; }
    const CQ4kUnit& GetSetup() const { return *m_setup; }
    // What a download, a read or a verify read: the unit's set-up and its blocks; a backup's too.
    CQ4kUnit& GetUnitRead() { return *m_read; }
    const CUnitImage& GetBlocksRead() const { return m_blocksRead; }

    // A new file for a backup in folder, which is made when needed: unit-YYYY-MM-DD-HHMMSS.q4g
    // by the local time, with -2, -3 ... when the name is taken, so no backup is overwritten.
    static q4::Result<std::string> NewBackupPath(const std::string& folder, std::time_t now = std::time(nullptr));
    // "the unit now holds a partly written set-up (24 of 87 blocks written)".
    static std::string PartlyWrittenText(const TransferResult& transfer);

private:
    class Observer;
    class PortPrompt;

    bool Ask(JobQuestion question);
    bool Fail(JobOutcome outcome, std::string reason);
    TransferResult Transfer(JobStep step, CQ4kUnit& unit, TransferDirection direction, const LineTransfer& what);
    bool OpenPort();
    bool ReadForUpload(CUnitImage& held);
    bool Backup(CUnitImage& held);
    void Upload();
    void WriteUpload(const CUnitImage& held);
    // The cells the blocks written changed, what the unit held before as A; after: the unit's
    // memory as it now is, as far as it is known.
    std::vector<CellDifference> Changes(const CUnitImage& held, const std::vector<CTransfer::BlockBytes>& read,
                                        const std::vector<CTransfer::BlockBytes>& written, CUnitImage& after);
    void ReadAll(JobStep step);
    void Download();
    void Verify();
    void ReadDevice();
    void Record(JobRecord record);
    JobRecord NewRecord(JobStep step) const;

    JobAction m_action;
    JobSettings m_settings;
    IJobAnswerer* m_answerer = nullptr;
    IJobWatcher* m_watcher = nullptr;
    IJobRecorder* m_recorder = nullptr;
    CQuietPrompt m_quiet;
    std::unique_ptr<CQ4kUnit> m_setup;
    JobSetupName m_setupName;
    std::unique_ptr<CQ4kUnit> m_read;
    CUnitImage m_blocksRead;
    std::unique_ptr<PortPrompt> m_portPrompt;  // hears the port's own messages; outlives the line
    std::unique_ptr<CUnitLine> m_line;
    std::vector<std::string> m_confirmed;
    JobResult m_result;

    enum class Reply { None, Asking, Yes, No };
    std::mutex m_lock;  // guards the two below
    std::condition_variable m_wake;
    Reply m_reply = Reply::None;
    bool m_cancelled = false;
};

// The steps of a job on one unit, from the questions before writing to the last record.
#include "job/CUnitJob.h"

#include "check/CSetupChecker.h"
#include "compare/CChangeList.h"
#include "compare/CHeldCells.h"
#include "compare/CSetupComparison.h"
#include "compare/CUnitVerification.h"
#include "model/CDocumentFile.h"
#include "model/Sha256.h"
#include "model/StringTable.h"
#include "transfer/CTransfer.h"

#include <ctime>
#include <filesystem>
#include <utility>

namespace fs = std::filesystem;

// Keeps what the port's set-up says (it cannot be opened, a line setting is refused) as one line.
class CUnitJob::PortPrompt : public IMessagePrompt {
public:
    int Show(const std::string& text, Buttons buttons, bool) override
    {
        std::string line;
        for (char c : text) {
            if (c == '\r' || c == '\n') {
                if (!line.empty() && line.back() != ' ')
                    line += ' ';
            } else {
                line += c;
            }
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        m_text += (m_text.empty() ? "" : " ") + line;
        return buttons == BTN_OK ? IDOK : IDCANCEL;
    }
    std::string Take() { return std::exchange(m_text, {}); }

private:
    std::string m_text;
};

// Passes a transfer's reports on to the job's watcher and its failed blocks to the answerer.
class CUnitJob::Observer : public ITransferObserver {
public:
    Observer(CUnitJob& job, JobStep step) : m_job(job), m_step(step) {}
    void OnSetupTypeStarted(int index, const std::string& title) override
    {
        if (index == 0)
            m_progress = {0, m_progress.blocksTotal, 0, 0, 0};
        if (m_job.m_watcher) {
            if (index == 0)
                m_job.m_watcher->OnStep(m_step, m_progress.blocksTotal);
            m_job.m_watcher->OnSetupTypeStarted(m_step, index, title);
        }
    }
    void OnBytesMoved(uint32_t bytes) override { m_progress.bytesMoved = bytes; }
    void OnBlockDone(int done, int total) override
    {
        m_progress.blocksDone = done;
        m_progress.blocksTotal = total;
        if (m_job.m_watcher)
            m_job.m_watcher->OnProgress(m_progress);
    }
    void OnBlockFailed(CTransfer& transfer, const std::string& message) override
    {
        JobQuestion question;
        question.kind = JobQuestion::Kind::Retry;
        question.message = message;
        question.port = m_job.m_settings.port.port;
        transfer.Answer(m_job.Ask(std::move(question)));
    }
    void OnFinished(const TransferResult&) override {}

    void SetTotal(int total) { m_progress.blocksTotal = total; }

private:
    CUnitJob& m_job;
    JobStep m_step;
    JobProgress m_progress;
};

namespace {

// The failure of a step's transfer: "the upload failed: the port went away: ...".
std::string Failure(JobStep step, const TransferResult& result)
{
    unsigned plain = IDS_JOB_READ_FAILED;
    unsigned because = IDS_JOB_READ_FAILED_BECAUSE;
    if (step == JobStep::Backup) {
        plain = IDS_JOB_BACKUP_FAILED;
        because = IDS_JOB_BACKUP_FAILED_BECAUSE;
    } else if (step == JobStep::Upload) {
        plain = IDS_JOB_UPLOAD_FAILED;
        because = IDS_JOB_UPLOAD_FAILED_BECAUSE;
    } else if (step == JobStep::Download) {
        plain = IDS_JOB_DOWNLOAD_FAILED;
        because = IDS_JOB_DOWNLOAD_FAILED_BECAUSE;
    }
    const std::string& why = result.reason.empty() ? result.failedBlock : result.reason;
    return why.empty() ? LoadString(plain) : FormatString(because, {why});
}

std::string Stopped(JobStep step, const TransferResult& result)
{
    const unsigned id = step == JobStep::Backup ? IDS_JOB_BACKUP_STOPPED
                        : step == JobStep::Upload ? IDS_JOB_UPLOAD_STOPPED
                                                  : IDS_JOB_READ_STOPPED;
    return FormatString(id, {std::to_string(result.blocksDone), std::to_string(result.blocksTotal)});
}

std::string NothingWritten(const std::string& why)
{
    return FormatString(IDS_JOB_NOTHING_WRITTEN, {why});
}

}  // namespace

CUnitJob::CUnitJob(JobAction action, JobSettings settings)
    : m_action(action), m_settings(std::move(settings)), m_setup(std::make_unique<CQ4kUnit>(m_quiet)),
      m_read(std::make_unique<CQ4kUnit>(m_quiet))
{
    m_setup->Initialize();
}

CUnitJob::~CUnitJob() = default;

void CUnitJob::SetSetup(const CQ4kUnit& setup, JobSetupName name)
{
    m_setup->CopyFrom(setup);
    m_setupName = std::move(name);
}

q4::Status CUnitJob::LoadSetup(const std::string& path)
{
    CDocumentFile file;
    q4::Result<std::vector<uint8_t>> bytes = file.ReadBytes(path);
    if (!bytes)
        return q4::Failure{bytes.Reason()};
    const std::string sha256 = q4::CSha256::Hex(bytes->data(), bytes->size());
    if (q4::Status loaded = file.LoadBytes(*m_setup, std::move(bytes.Value()), path); !loaded)
        return loaded;
    m_setupName = {path, sha256};
    return {};
}

q4::Result<std::string> CUnitJob::NewBackupPath(const std::string& folder, std::time_t now)
{
    std::error_code failure;
    fs::create_directories(folder, failure);
    if (failure)
        return q4::Failure{FormatString(IDS_JOB_BACKUP_FOLDER, {folder, failure.message()})};
    std::tm local{};
    ::localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &local);
    std::string path = (fs::path(folder) / ("unit-" + std::string(stamp) + ".q4g")).string();
    for (int n = 2; fs::exists(path, failure); ++n)
        path = (fs::path(folder) / ("unit-" + std::string(stamp) + "-" + std::to_string(n) + ".q4g")).string();
    return path;
}

std::string CUnitJob::PartlyWrittenText(const TransferResult& transfer)
{
    // The pattern's second part alone: what comes after "%1; ".
    const std::string text = FormatString(IDS_JOB_PARTLY_WRITTEN, {"", std::to_string(transfer.blocksWritten),
                                                                    std::to_string(transfer.blocksTotal)});
    return text.substr(text.find("; ") + 2);
}

void CUnitJob::Cancel()
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_cancelled = true;
    m_wake.notify_all();
    if (m_line)
        m_line->Cancel();
}

void CUnitJob::Answer(bool yes)
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (m_reply == Reply::Asking)
        m_reply = yes ? Reply::Yes : Reply::No;
    m_wake.notify_all();
}

bool CUnitJob::Ask(JobQuestion question)
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (m_cancelled || !m_answerer)
            return false;
        m_reply = Reply::Asking;
    }
    m_answerer->Ask(*this, question);
    std::unique_lock<std::mutex> lock(m_lock);
    m_wake.wait(lock, [this] { return m_reply != Reply::Asking || m_cancelled; });
    const bool yes = m_reply == Reply::Yes && !m_cancelled;
    m_reply = Reply::None;
    return yes;
}

bool CUnitJob::Fail(JobOutcome outcome, std::string reason)
{
    m_result.outcome = outcome;
    m_result.reason = std::move(reason);
    return false;
}

JobRecord CUnitJob::NewRecord(JobStep step) const
{
    JobRecord record;
    record.step = step;
    record.port = m_settings.port.port;
    record.device = static_cast<long>(m_result.setupDevice);
    record.sha256 = m_setupName.sha256;
    return record;
}

void CUnitJob::Record(JobRecord record)
{
    if (!m_recorder)
        return;
    q4::Status written = m_recorder->Record(record);
    if (!written && m_result.recordError.empty())
        m_result.recordError = written.Reason();
}

TransferResult CUnitJob::Transfer(JobStep step, CQ4kUnit& unit, TransferDirection direction, const LineTransfer& what)
{
    m_result.lastStep = step;
    Observer observer(*this, step);
    int total = 0;
    for (int i = 0; i < what.sheets; ++i) {
        if (const CNordaSetupType* type = unit.GetSetupType(i))
            total += type->GetNumBlocks();
    }
    observer.SetTotal(total);
    m_result.transfer = m_line->Run(unit, direction, observer, what);
    return m_result.transfer;
}

bool CUnitJob::OpenPort()
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (m_cancelled)
            return Fail(JobOutcome::Stopped, LoadString(IDS_JOB_STOPPED_BEFORE));
    }
    m_portPrompt = std::make_unique<PortPrompt>();
    auto line = std::make_unique<CUnitLine>(*m_portPrompt);
    if (!line->Open(m_settings.port))
        return Fail(JobOutcome::Failed, m_portPrompt->Take());
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_line = std::move(line);
        if (m_cancelled)
            m_line->Cancel();
    }
    return true;
}

const JobResult& CUnitJob::Run()
{
    m_result = {};
    m_result.setupDevice = m_setup->GetDeviceNumber();
    switch (m_action) {
    case JobAction::Upload:
        Upload();
        break;
    case JobAction::Download:
        if (OpenPort())
            Download();
        break;
    case JobAction::Verify:
        if (OpenPort())
            Verify();
        else
            Record([this] {
                JobRecord record = NewRecord(JobStep::Verify);
                record.outcome = m_result.outcome;
                record.reason = m_result.reason;
                return record;
            }());
        break;
    case JobAction::ReadUnit:
        if (OpenPort())
            ReadAll(JobStep::ReadUnit);
        break;
    case JobAction::ReadDevice:
        if (OpenPort())
            ReadDevice();
        break;
    }
    // The port is held only while the job runs.
    std::unique_ptr<CUnitLine> line;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        line = std::move(m_line);
    }
    return m_result;
}

// ---- reading ----------------------------------------------------------------------------------

void CUnitJob::ReadAll(JobStep step)
{
    m_read->Initialize();
    m_blocksRead = {};
    TransferResult result = Transfer(step, *m_read, TransferDirection::Download, {4, nullptr, &m_blocksRead});
    if (result.end == TransferEnd::Cancelled) {
        Fail(JobOutcome::Stopped, Stopped(step, result));
        return;
    }
    if (result.end != TransferEnd::Completed) {
        Fail(JobOutcome::Failed, Failure(step, result));
        return;
    }
    m_result.unitDevice = m_read->GetDeviceNumber();
    m_result.unitRead = true;
    m_result.outcome = JobOutcome::Ok;
}

void CUnitJob::Download()
{
    ReadAll(JobStep::Download);
    JobRecord record = NewRecord(JobStep::Download);
    record.sha256.clear();
    record.device = m_result.unitRead ? static_cast<long>(m_result.unitDevice) : -1;
    if (m_result.outcome == JobOutcome::Ok) {
        // What the set-up read cannot show as the unit holds it is named before it is kept.
        m_result.notShown = CHeldCells::NotShownAsHeld(*m_read, m_blocksRead);
        if (!m_result.notShown.empty()) {
            JobQuestion question;
            question.kind = JobQuestion::Kind::NotShown;
            question.cells = m_result.notShown;
            question.port = m_settings.port.port;
            question.setupPath = m_settings.downloadPath;
            if (!Ask(std::move(question)))
                Fail(JobOutcome::Refused,
                     FormatString(IDS_JOB_NOT_SHOWN, {std::to_string(m_result.notShown.size()), m_settings.downloadPath}));
        }
    }
    if (m_result.outcome == JobOutcome::Ok && !m_settings.downloadPath.empty()) {
        std::vector<uint8_t> bytes = CDocumentFile::SaveBytes(*m_read);
        if (q4::Status written = CDocumentFile().WriteBytes(bytes, m_settings.downloadPath))
            record.sha256 = q4::CSha256::Hex(bytes.data(), bytes.size());
        else
            Fail(JobOutcome::Failed, written.Reason());
    }
    record.outcome = m_result.outcome;
    record.reason = m_result.reason;
    Record(std::move(record));
}

void CUnitJob::Verify()
{
    ReadAll(JobStep::Verify);
    if (m_result.outcome == JobOutcome::Ok) {
        CUnitVerification verification(*m_setup, m_blocksRead);
        m_result.cells = verification.GetDifferences();
        if (!verification.UnitHoldsSetup()) {
            m_result.outcome = JobOutcome::Differs;
            if (m_result.cells.empty())
                m_result.reason =
                    FormatString(IDS_JOB_BLOCKS_DIFFER, {std::to_string(verification.GetBlocksDiffering().size())});
        }
    }
    JobRecord record = NewRecord(JobStep::Verify);
    record.outcome = m_result.outcome;
    record.reason = m_result.reason;
    record.cells = m_result.cells;
    Record(std::move(record));
}

void CUnitJob::ReadDevice()
{
    m_read->Initialize();
    m_blocksRead = {};
    TransferResult result = Transfer(JobStep::ReadGeneral, *m_read, TransferDirection::Download, {1, nullptr, &m_blocksRead});
    if (result.end == TransferEnd::Completed) {
        m_result.unitDevice = m_read->GetDeviceNumber();
        m_result.unitRead = true;
        m_result.outcome = JobOutcome::Ok;
    } else if (result.end == TransferEnd::Cancelled) {
        Fail(JobOutcome::Stopped, Stopped(JobStep::ReadGeneral, result));
    } else {
        Fail(JobOutcome::Failed, Failure(JobStep::ReadGeneral, result));
    }
}

// ---- the upload -------------------------------------------------------------------------------

void CUnitJob::Upload()
{
    auto refused = [this](JobOutcome outcome) {
        JobRecord record = NewRecord(JobStep::Upload);
        record.outcome = outcome;
        record.reason = m_result.reason;
        record.backup = m_result.backupPath;
        record.confirmed = m_confirmed;
        Record(std::move(record));
    };
    // Asked before anything is read: the engineer may want to correct the set-up first.
    m_result.notHeld = CSetupComparison::NotHeldExactly(*m_setup);
    std::vector<std::string> ignored = m_settings.ignoredRules;
    ignored.push_back("unholdable");  // the cells above say it
    m_result.findings = CSetupChecker::ErrorsAndWarnings(*m_setup, ignored);
    if (!m_result.notHeld.empty() || !m_result.findings.empty()) {
        JobQuestion question;
        question.kind = JobQuestion::Kind::Findings;
        question.cells = m_result.notHeld;
        question.findings = m_result.findings;
        question.port = m_settings.port.port;
        question.setupPath = m_setupName.path;
        const FindingCounts counts = CountFindings(m_result.findings);
        const std::string cells = std::to_string(m_result.notHeld.size());
        const std::string errors = std::to_string(counts.errors);
        const std::string warnings = std::to_string(counts.warnings);
        const std::string found = m_result.notHeld.empty() ? FormatString(IDS_JOB_FINDINGS, {errors, warnings})
                                  : counts.Total() == 0    ? FormatString(IDS_JOB_NOT_HELD, {cells})
                                                           : FormatString(IDS_JOB_NOT_HELD_AND_FINDINGS, {cells, errors, warnings});
        if (!Ask(std::move(question))) {
            Fail(JobOutcome::Refused, NothingWritten(found));
            refused(JobOutcome::Refused);
            return;
        }
        if (!m_result.notHeld.empty())
            m_confirmed.push_back(FormatString(IDS_JOB_CONFIRMED_NOT_HELD, {cells}));
        if (counts.Total() > 0)
            m_confirmed.push_back(FormatString(IDS_JOB_CONFIRMED_FINDINGS, {errors, warnings}));
    }
    if (!OpenPort()) {
        m_result.reason = NothingWritten(m_result.reason);
        refused(m_result.outcome);
        return;
    }
    CUnitImage held;
    if (!ReadForUpload(held)) {
        refused(m_result.outcome);
        return;
    }
    if (m_setup->IsOtherDevice(*m_read)) {
        JobQuestion question;
        question.kind = JobQuestion::Kind::OtherDevice;
        question.unitDevice = m_result.unitDevice;
        question.setupDevice = m_result.setupDevice;
        question.port = m_settings.port.port;
        question.setupPath = m_setupName.path;
        const std::string other =
            FormatString(IDS_JOB_OTHER_DEVICE, {std::to_string(m_result.unitDevice), std::to_string(m_result.setupDevice)});
        if (!Ask(std::move(question))) {
            Fail(JobOutcome::Refused, NothingWritten(other));
            m_result.transfer = {};
            refused(JobOutcome::Refused);
            return;
        }
        m_confirmed.push_back(FormatString(IDS_JOB_CONFIRMED_DEVICE,
                                           {std::to_string(m_result.unitDevice), std::to_string(m_result.setupDevice)}));
    }
    WriteUpload(held);
}

// The unit as it is before anything is written: its backup, or its General blocks, which say
// which unit it is and what the set-up's constants merge into.
bool CUnitJob::ReadForUpload(CUnitImage& held)
{
    if (!m_settings.backupFolder.empty() || !m_settings.backupPath.empty())
        return Backup(held);
    m_read->Initialize();
    TransferResult result = Transfer(JobStep::ReadGeneral, *m_read, TransferDirection::Download, {1, nullptr, &held});
    if (result.end == TransferEnd::Cancelled)
        return Fail(JobOutcome::Stopped, NothingWritten(Stopped(JobStep::ReadGeneral, result)));
    if (result.end != TransferEnd::Completed)
        return Fail(JobOutcome::Failed, NothingWritten(Failure(JobStep::ReadGeneral, result)));
    m_result.unitDevice = m_read->GetDeviceNumber();
    m_result.unitRead = true;
    return true;
}

std::vector<CellDifference> CUnitJob::Changes(const CUnitImage& held, const std::vector<CTransfer::BlockBytes>& read,
                                              const std::vector<CTransfer::BlockBytes>& written, CUnitImage& after)
{
    // What the unit held before and holds now, block by block: the blocks read before (the
    // backup, General, each block read to be compared) with each block written laid over them.
    CUnitImage before = CUnitImage::FromUpload(*m_setup, &held);
    std::vector<std::vector<bool>> known(4);
    for (int slot = 0; slot < 4; ++slot) {
        const std::vector<CUnitImage::Block>& blocks = held.GetBlocks(slot);
        std::vector<CUnitImage::Block>& into = before.GetBlocks(slot);
        known[static_cast<size_t>(slot)].assign(into.size(), false);
        for (size_t b = 0; b < into.size() && b < blocks.size(); ++b) {
            into[b] = blocks[b];
            known[static_cast<size_t>(slot)][b] = true;
        }
    }
    for (const CTransfer::BlockBytes& block : read) {
        before.GetBlocks(block.slot)[static_cast<size_t>(block.block)] = block.bytes;
        known[static_cast<size_t>(block.slot)][static_cast<size_t>(block.block)] = true;
    }
    after = before;
    for (const CTransfer::BlockBytes& block : written)
        after.GetBlocks(block.slot)[static_cast<size_t>(block.block)] = block.bytes;
    std::vector<CellDifference> changes = CChangeList::Between(before, after);
    // A channel whose block was never read (not reached by an upload that stopped, or written
    // without a backup) may only seem to change through the channels it refers to: what the
    // unit held there is not known, so nothing is said of it. A channel's block is its row's.
    std::erase_if(changes, [&known](const CellDifference& change) {
        const std::vector<bool>& blocks = known[static_cast<size_t>(change.sheet)];
        const size_t block = static_cast<size_t>(change.row - 1);
        return change.sheet > 0 && block < blocks.size() && !blocks[block];
    });
    return changes;
}

bool CUnitJob::Backup(CUnitImage& held)
{
    JobRecord record = NewRecord(JobStep::Backup);
    record.sha256.clear();
    auto fail = [&](JobOutcome outcome, std::string why) {
        Fail(outcome, NothingWritten(why));
        record.outcome = outcome;
        record.reason = m_result.reason;
        Record(std::move(record));
        return false;
    };
    m_read->Initialize();
    TransferResult result = Transfer(JobStep::Backup, *m_read, TransferDirection::Download, {4, nullptr, &held});
    if (result.end == TransferEnd::Cancelled)
        return fail(JobOutcome::Stopped, Stopped(JobStep::Backup, result));
    if (result.end != TransferEnd::Completed)
        return fail(JobOutcome::Failed, Failure(JobStep::Backup, result));
    m_result.unitDevice = m_read->GetDeviceNumber();
    m_result.unitRead = true;
    record.device = static_cast<long>(m_result.unitDevice);
    m_blocksRead = held;

    std::string path = m_settings.backupPath;
    if (path.empty()) {
        q4::Result<std::string> made = NewBackupPath(m_settings.backupFolder);
        if (!made)
            return fail(JobOutcome::Failed, FormatString(IDS_JOB_BACKUP_FAILED_BECAUSE, {made.Reason()}));
        path = made.Value();
    }
    std::vector<uint8_t> bytes = CDocumentFile::SaveBytes(*m_read);
    if (q4::Status written = CDocumentFile().WriteBytes(bytes, path); !written)
        return fail(JobOutcome::Failed, FormatString(IDS_JOB_BACKUP_FAILED_BECAUSE, {written.Reason()}));
    m_result.backupPath = path;
    if (m_watcher)
        m_watcher->OnBackupKept(path);
    record.backup = path;
    record.sha256 = q4::CSha256::Hex(bytes.data(), bytes.size());
    record.outcome = JobOutcome::Ok;
    Record(std::move(record));
    return true;
}

void CUnitJob::WriteUpload(const CUnitImage& held)
{
    std::vector<CTransfer::BlockBytes> written;
    std::vector<CTransfer::BlockBytes> read;
    LineTransfer what{4, &held, nullptr, !m_settings.allBlocks, &written, &read};
    TransferResult result = Transfer(JobStep::Upload, *m_setup, TransferDirection::Upload, what);
    m_result.blocksWritten = result.blocksWritten;
    m_result.blocksHeld = result.blocksHeld;
    CUnitImage after;
    m_result.cells = Changes(held, read, written, after);

    JobRecord record = NewRecord(JobStep::Upload);
    record.blocksWritten = result.blocksWritten;
    record.blocksHeld = result.blocksHeld;
    record.blocksTotal = result.blocksTotal;
    record.backup = m_result.backupPath;
    record.cells = m_result.cells;
    record.confirmed = m_confirmed;
    if (result.end == TransferEnd::Completed) {
        m_result.outcome = JobOutcome::Ok;
    } else {
        std::string why = result.end == TransferEnd::Cancelled ? Stopped(JobStep::Upload, result)
                                                               : Failure(JobStep::Upload, result);
        Fail(result.end == TransferEnd::Cancelled ? JobOutcome::Stopped : JobOutcome::Failed,
             result.unitWritten ? FormatString(IDS_JOB_PARTLY_WRITTEN, {why, std::to_string(result.blocksWritten),
                                                                        std::to_string(result.blocksTotal)})
                                : NothingWritten(why));
    }
    record.outcome = m_result.outcome;
    record.reason = m_result.reason;
    Record(std::move(record));
    if (result.end != TransferEnd::Completed)
        return;

    // Every block was read back: whether the unit now holds the set-up needs no second read.
    CUnitVerification verification(*m_setup, after);
    JobRecord verified = NewRecord(JobStep::Verify);
    verified.outcome = verification.UnitHoldsSetup() ? JobOutcome::Ok : JobOutcome::Differs;
    verified.reason = LoadString(IDS_JOB_READ_BACK);
    verified.cells = verification.GetDifferences();
    Record(std::move(verified));
}

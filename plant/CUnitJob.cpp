// A plant unit's verify or upload: the file, the port, the backup, the guard, the transfer
// and the log record of each step.
#include "plant/CUnitJob.h"

#include "compare/CChangeList.h"
#include "compare/CUnitVerification.h"
#include "model/CDocumentFile.h"
#include "model/Sha256.h"
#include "plant/CPlantSurvey.h"
#include "transfer/CTransfer.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"
#include "unit/CUnitImage.h"

#include <utility>

// Keeps what the port's set-up says (it cannot be opened, a line setting is refused) as one line.
class CUnitJob::Prompt : public IMessagePrompt {
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
        m_strText += (m_strText.empty() ? "" : " ") + line;
        return buttons == BTN_OK ? IDOK : IDCANCEL;
    }
    std::string Take() { return std::exchange(m_strText, {}); }

private:
    std::string m_strText;
};

// Answers Retry as often as the settings say, then Cancel, and passes the progress on.
class CUnitJob::Observer : public ITransferObserver {
public:
    Observer(int retries, IUnitJobWatcher* watcher) : m_nRetriesLeft(retries), m_pWatcher(watcher) {}
    void OnSetupTypeStarted(int, const std::string&) override {}
    void OnBytesMoved(uint32_t bytes) override
    {
        if (m_pWatcher)
            m_pWatcher->OnBytesMoved(bytes);
    }
    void OnBlockFailed(CTransfer& transfer, const std::string&) override
    {
        bool retry = m_nRetriesLeft > 0;
        if (retry)
            --m_nRetriesLeft;
        transfer.Answer(retry);
    }
    void OnFinished(const TransferResult&) override {}

private:
    int m_nRetriesLeft;
    IUnitJobWatcher* m_pWatcher;
};

namespace {

std::string BlocksText(const TransferResult& result, const char* done)
{
    return std::to_string(result.blocksDone) + " of " + std::to_string(result.blocksTotal) + " blocks " + done;
}

std::string Failure(const char* what, const TransferResult& result)
{
    return std::string("the ") + what + " failed" + (result.reason.empty() ? "" : ": " + result.reason);
}

const char g_PartlyWritten[] = "the unit now holds a partly written set-up";

}  // namespace

CUnitJob::CUnitJob(const CPlant& plant, PlantUnit unit, PlantAction action, UnitJobSettings settings)
    : m_plant(plant), m_unit(std::move(unit)), m_action(action), m_settings(std::move(settings)),
      m_pPrompt(std::make_unique<Prompt>()), m_line(*m_pPrompt)
{
}

CUnitJob::~CUnitJob() = default;

bool CUnitJob::Fail(PlantResult result, std::string reason)
{
    m_result.result = result;
    m_result.reason = std::move(reason);
    return false;
}

void CUnitJob::Log(PlantAction action, const std::string& sha256)
{
    PlantLogRecord record;
    CPlantLog::Stamp(record);
    record.tag = m_unit.tag;
    record.device = static_cast<long>(m_result.fileDevice);
    record.action = action;
    record.port = m_settings.port.port;
    record.sha256 = sha256;
    record.result = m_result.result;
    record.reason = m_result.reason;
    if (!m_result.backupPath.empty())
        record.backup = m_plant.RelativeFile(m_result.backupPath);
    if (action == m_action) {
        record.blocksWritten = action == PlantAction::Upload && m_result.transfer.unitWritten ? m_result.transfer.blocksDone : 0;
        record.cells = m_result.cells;
    }
    std::string error;
    if (!CPlantLog(m_plant.GetLogPath()).Append(record, error) && m_result.logError.empty())
        m_result.logError = error;
}

const UnitJobResult& CUnitJob::Run()
{
    CQuietPrompt quiet;
    CQ4kUnit document(quiet);
    if (Prepare(document)) {
        if (m_action == PlantAction::Upload)
            Upload(document);
        else
            Verify(document);
    }
    Log(m_action, m_strSha256);
    return m_result;
}

bool CUnitJob::Prepare(CQ4kUnit& document)
{
    const std::string path = m_plant.FilePath(m_unit);
    CDocumentFile file;
    std::vector<uint8_t> bytes;
    if (!file.ReadBytes(path, bytes))
        return Fail(PlantResult::Failed, file.GetError());
    m_strSha256 = q4::CSha256::Hex(bytes.data(), bytes.size());
    if (!file.LoadBytes(document, std::move(bytes), path))
        return Fail(PlantResult::Failed, file.GetError());
    m_result.fileDevice = document.GetDeviceNumber();
    if (m_line.IsCancelled())
        return Fail(PlantResult::Stopped, "before it started");
    if (!m_line.Open(m_settings.port))
        return Fail(PlantResult::Failed, m_pPrompt->Take());
    return true;
}

TransferResult CUnitJob::Transfer(CQ4kUnit& unit, TransferDirection direction, PlantAction step,
                                  const LineTransfer& what)
{
    if (m_pWatcher)
        m_pWatcher->OnStep(step, unit.GetTotalTransBytes(static_cast<int>(direction)));
    Observer observer(m_settings.retries, m_pWatcher);
    m_result.transfer = m_line.Run(unit, direction, observer, what);
    return m_result.transfer;
}

void CUnitJob::Verify(CQ4kUnit& document)
{
    CQuietPrompt quiet;
    CQ4kUnit read(quiet);
    read.Initialize();
    CUnitImage blocks;
    TransferResult result = Transfer(read, TransferDirection::Download, PlantAction::Verify, {4, nullptr, &blocks});
    if (result.end == TransferEnd::Cancelled) {
        Fail(PlantResult::Stopped, "after " + BlocksText(result, "read"));
        return;
    }
    if (result.end != TransferEnd::Completed) {
        Fail(PlantResult::Failed, Failure("download", result));
        return;
    }
    m_result.unitDevice = read.GetDeviceNumber();
    CUnitVerification verification(document, blocks);
    m_result.cells = verification.GetDifferences();
    if (verification.UnitHoldsSetup()) {
        m_result.result = PlantResult::Ok;
    } else {
        m_result.result = PlantResult::Differs;
        if (m_result.cells.empty())
            m_result.reason = std::to_string(verification.GetBlocksDiffering().size()) + " blocks differ";
    }
}

bool CUnitJob::Backup(CQ4kUnit& backup, CUnitImage& held)
{
    TransferResult result = Transfer(backup, TransferDirection::Download, PlantAction::Backup, {4, nullptr, &held});
    if (result.end == TransferEnd::Cancelled)
        return Fail(PlantResult::Stopped, "during the backup, after " + BlocksText(result, "read")
                                              + "; nothing was written to the unit");
    if (result.end != TransferEnd::Completed)
        return Fail(PlantResult::Failed, Failure("backup", result) + "; nothing was written to the unit");
    m_result.unitDevice = backup.GetDeviceNumber();

    std::string error;
    std::string path = m_plant.NewBackupPath(m_unit.tag, error);
    if (path.empty())
        return Fail(PlantResult::Failed, error + "; nothing was written to the unit");
    std::vector<uint8_t> bytes = CDocumentFile::SaveBytes(backup);
    CDocumentFile file;
    if (!file.WriteBytes(bytes, path))
        return Fail(PlantResult::Failed, file.GetError() + "; nothing was written to the unit");
    m_result.backupPath = path;
    m_result.result = PlantResult::Ok;
    Log(PlantAction::Backup, q4::CSha256::Hex(bytes.data(), bytes.size()));
    return true;
}

void CUnitJob::Upload(CQ4kUnit& document)
{
    CQuietPrompt quiet;
    CQ4kUnit backup(quiet);
    backup.Initialize();
    CUnitImage held;
    if (!Backup(backup, held))
        return;
    if (document.IsOtherDevice(backup) && !m_settings.force) {
        Fail(PlantResult::Refused, "the unit is device " + std::to_string(backup.GetDeviceNumber()) + ", the file is for device "
                                       + std::to_string(document.GetDeviceNumber()) + "; nothing was written to the unit");
        m_result.transfer = {};
        return;
    }
    TransferResult result = Transfer(document, TransferDirection::Upload, PlantAction::Upload, {4, &held, nullptr});
    if (result.end == TransferEnd::Completed) {
        m_result.result = PlantResult::Ok;
        m_result.cells = CChangeList::OfUpload(document, held);
        return;
    }
    std::string how = result.unitWritten ? std::string(g_PartlyWritten) : "nothing was written to the unit";
    if (result.end == TransferEnd::Cancelled)
        Fail(PlantResult::Stopped, "after " + BlocksText(result, "written") + "; " + how);
    else
        Fail(PlantResult::Failed, Failure("upload", result) + "; " + how);
}

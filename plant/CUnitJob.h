// One unit of a plant verified or uploaded on a port of its own, on the calling thread, so that
// several run side by side; an upload with its backup, its wrong-unit guard and its change list.
#pragma once

#include "compare/CellDifference.h"
#include "plant/CPlant.h"
#include "plant/CPlantLog.h"
#include "transfer/CUnitLine.h"
#include "transfer/ITransferObserver.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CQ4kUnit;

struct UnitJobSettings {
    UnitPortSettings port;
    int retries = 0;     // a failed transfer starts again from General this often
    bool force = false;  // upload into a unit of another device number all the same
};

// Hears how a job goes, on the job's thread.
class IUnitJobWatcher {
public:
    virtual ~IUnitJobWatcher() = default;
    // A step starts (the backup, the upload or the verify's read), moving this many bytes.
    virtual void OnStep(PlantAction step, uint32_t totalBytes) = 0;
    virtual void OnBytesMoved(uint32_t bytes) = 0;
};

struct UnitJobResult {
    PlantResult result = PlantResult::Failed;
    // Why it failed, was refused or stopped, one line: "the download failed: the port went
    // away: Input/output error", "after 23 of 87 blocks written; the unit now holds ...".
    std::string reason;
    TransferResult transfer;       // the last transfer that ran
    unsigned long fileDevice = 0;  // the device number the unit's file is for
    unsigned long unitDevice = 0;  // the number the unit holds, once read (0: not set)
    std::string backupPath;        // where an upload's backup went
    // An upload's changes (the unit's text before as text A), a verify's differences (the
    // file's text as text A).
    std::vector<CellDifference> cells;
    std::string logError;          // the log could not be written
};

// An upload first backs the unit up into backups/TAG beside the plant file and writes nothing
// into a unit of another device number unless forced; every step goes to the plant log.
class CUnitJob {
public:
    // action: PlantAction::Verify or PlantAction::Upload. The plant outlives the job.
    CUnitJob(const CPlant& plant, PlantUnit unit, PlantAction action, UnitJobSettings settings);
    ~CUnitJob();
    CUnitJob(const CUnitJob&) = delete;
    CUnitJob& operator=(const CUnitJob&) = delete;

    void SetWatcher(IUnitJobWatcher* watcher) { m_pWatcher = watcher; }
    // The whole job on the calling thread; logged as it goes.
    const UnitJobResult& Run();
    // From any thread: the transfer in flight stops after its block, and nothing follows it.
    void Cancel() { m_line.Cancel(); }

    const PlantUnit& GetUnit() const { return m_unit; }
    PlantAction GetAction() const { return m_action; }
    const UnitJobResult& GetResult() const { return m_result; }

private:
    class Prompt;
    class Observer;

    bool Prepare(CQ4kUnit& document);
    void Verify(CQ4kUnit& document);
    void Upload(CQ4kUnit& document);
    // Reads the unit into backup and its blocks into held, and saves it in the backup folder.
    bool Backup(CQ4kUnit& backup, CUnitImage& held);
    TransferResult Transfer(CQ4kUnit& unit, TransferDirection direction, PlantAction step, const LineTransfer& what);
    bool Fail(PlantResult result, std::string reason);
    void Log(PlantAction action, const std::string& sha256);

    const CPlant& m_plant;
    PlantUnit m_unit;
    PlantAction m_action;
    UnitJobSettings m_settings;
    IUnitJobWatcher* m_pWatcher = nullptr;
    std::unique_ptr<Prompt> m_pPrompt;
    CUnitLine m_line;
    std::string m_strSha256;
    UnitJobResult m_result;
};

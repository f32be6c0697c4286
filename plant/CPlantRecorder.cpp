// Turning a job's records into the plant log's.
#include "plant/CPlantRecorder.h"

#include "plant/CPlant.h"

CPlantRecorder::CPlantRecorder(const CPlant& plant, std::string tag) : m_plant(plant), m_tag(std::move(tag)) {}

PlantAction CPlantRecorder::ActionOf(JobStep step)
{
    switch (step) {
    case JobStep::Backup: return PlantAction::Backup;
    case JobStep::Upload: return PlantAction::Upload;
    case JobStep::Download: return PlantAction::Download;
    case JobStep::ReadGeneral: return PlantAction::Identify;
    case JobStep::Verify:
    case JobStep::ReadUnit: break;
    }
    return PlantAction::Verify;
}

PlantResult CPlantRecorder::ResultOf(JobOutcome outcome)
{
    switch (outcome) {
    case JobOutcome::Ok: return PlantResult::Ok;
    case JobOutcome::Differs: return PlantResult::Differs;
    case JobOutcome::Refused: return PlantResult::Refused;
    case JobOutcome::Stopped: return PlantResult::Stopped;
    case JobOutcome::Failed: break;
    }
    return PlantResult::Failed;
}

PlantLogRecord CPlantRecorder::ToLogRecord(const JobRecord& record) const
{
    PlantLogRecord line;
    line.tag = m_tag;
    line.device = record.device;
    line.action = ActionOf(record.step);
    line.port = record.port;
    line.sha256 = record.sha256;
    line.result = ResultOf(record.outcome);
    line.reason = record.reason;
    line.blocksWritten = record.blocksWritten;
    line.blocksHeld = record.blocksHeld;
    line.blocksTotal = record.blocksTotal;
    if (!record.backup.empty())
        line.backup = m_plant.RelativeFile(record.backup);
    line.cells = record.cells;
    line.confirmed = record.confirmed;
    return line;
}

q4::Status CPlantRecorder::Record(const JobRecord& record)
{
    PlantLogRecord line = ToLogRecord(record);
    CPlantLog::Stamp(line);
    return CPlantLog(m_plant.GetLogPath()).Append(line);
}

// A plant unit's job: the file, the backup folder and the recorder.
#include "plant/CPlantUnitJob.h"

namespace {

JobSettings ForUnit(const CPlant& plant, const PlantUnit& unit, JobSettings settings)
{
    settings.backupFolder = plant.GetBackupFolder(unit.tag);
    settings.backupPath.clear();
    settings.ignoredRules.insert(settings.ignoredRules.end(), unit.ignore.begin(), unit.ignore.end());
    return settings;
}

}  // namespace

CPlantUnitJob::CPlantUnitJob(const CPlant& plant, PlantUnit unit, JobAction action, JobSettings settings)
    : m_unit(std::move(unit)), m_recorder(plant, m_unit.tag), m_job(action, ForUnit(plant, m_unit, std::move(settings))),
      m_filePath(plant.FilePath(m_unit))
{
    m_job.SetRecorder(&m_recorder);
}

const JobResult& CPlantUnitJob::Run()
{
    q4::Status loaded = m_job.LoadSetup(m_filePath);
    if (!loaded) {
        m_failure = std::make_unique<JobResult>();
        m_failure->reason = loaded.Reason();
        JobRecord record;
        record.step = m_job.GetAction() == JobAction::Upload ? JobStep::Upload : JobStep::Verify;
        record.outcome = JobOutcome::Failed;
        record.reason = loaded.Reason();
        record.port = m_job.GetSettings().port.port;
        q4::Status written = m_recorder.Record(record);
        if (!written)
            m_failure->recordError = written.Reason();
        return *m_failure;
    }
    return m_job.Run();
}

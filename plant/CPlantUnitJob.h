// A job on one unit of a plant: its set-up read from the unit's file, its backups in
// backups/TAG, and every step recorded in the plant's log as the unit's.
#pragma once

#include "job/CUnitJob.h"
#include "plant/CPlant.h"
#include "plant/CPlantRecorder.h"

#include <memory>

class CPlantUnitJob {
public:
    // settings: the port and how to write; the backup folder is the unit's own, and the checks'
    // rules the unit ignores join those settings ignore. The plant outlives the job.
    CPlantUnitJob(const CPlant& plant, PlantUnit unit, JobAction action, JobSettings settings);

    // The whole job on the calling thread. A unit whose file cannot be read fails, recorded.
    const JobResult& Run();
    void Cancel() { m_job.Cancel(); }

    CUnitJob& GetJob() { return m_job; }
    const CUnitJob& GetJob() const { return m_job; }
    const PlantUnit& GetUnit() const { return m_unit; }
    JobAction GetAction() const { return m_job.GetAction(); }
    const JobResult& GetResult() const { return m_failure ? *m_failure : m_job.GetResult(); }

private:
    PlantUnit m_unit;
    CPlantRecorder m_recorder;
    CUnitJob m_job;
    std::string m_filePath;
    std::unique_ptr<JobResult> m_failure;  // the file could not be read
};

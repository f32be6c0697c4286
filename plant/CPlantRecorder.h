// A unit's records in its plant's log: every step of a job on the unit, from whichever front end
// started it, stamped with the time, the user and the host.
#pragma once

#include "job/IJobRecorder.h"
#include "plant/CPlantLog.h"

#include <string>

class CPlant;

class CPlantRecorder : public IJobRecorder {
public:
    // The plant outlives the recorder.
    CPlantRecorder(const CPlant& plant, std::string tag);

    q4::Status Record(const JobRecord& record) override;

    // The log record of a job's record, not yet stamped; paths relative to the plant's folder.
    PlantLogRecord ToLogRecord(const JobRecord& record) const;
    static PlantAction ActionOf(JobStep step);
    static PlantResult ResultOf(JobOutcome outcome);

private:
    const CPlant& m_plant;
    std::string m_tag;
};

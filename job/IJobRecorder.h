// Where a job's records go: a plant's log when the set-up is a unit of a plant.
#pragma once

#include "job/JobTypes.h"
#include "model/Result.h"

class IJobRecorder {
public:
    virtual ~IJobRecorder() = default;
    // Keeps the record durably; a failure carries why (the log and the system's reason).
    virtual q4::Status Record(const JobRecord& record) = 0;
};

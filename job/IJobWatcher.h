// What a running job tells as it goes, on the job's thread.
#pragma once

#include "job/JobTypes.h"

#include <cstdint>
#include <string>

struct JobProgress {
    int blocksDone = 0;   // in the step under way: moved, or found held and left alone
    int blocksTotal = 0;
    int blocksWritten = 0;
    int blocksHeld = 0;
    uint32_t bytesMoved = 0;
};

class IJobWatcher {
public:
    virtual ~IJobWatcher() = default;
    // A step starts (again after a Retry, with its count at 0).
    virtual void OnStep(JobStep step, int blocksTotal) = 0;
    // A setup type's blocks start moving: "Uploading General data ...".
    virtual void OnSetupTypeStarted(JobStep step, int index, const std::string& title) = 0;
    virtual void OnProgress(const JobProgress& progress) = 0;
    // An upload's backup is kept in path; the upload follows.
    virtual void OnBackupKept(const std::string& /*path*/) {}
};

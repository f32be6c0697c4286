// The questions a job asks before it goes on, answered by whoever runs it: the command line
// from its flags, the desktop program with its dialogs, the plant per unit.
#pragma once

#include "check/Finding.h"
#include "compare/CellDifference.h"

#include <string>
#include <vector>

class CUnitJob;

struct JobQuestion {
    enum class Kind {
        Findings,     // the checks found errors or warnings, the unit cannot hold cells as shown: upload anyway?
        OtherDevice,  // the unit is another device than the set-up is for: upload anyway?
        Retry,        // a block failed: Retry (the whole transfer again) or Cancel?
        NotShown,     // a download's set-up cannot show cells as the unit holds them: keep it all the same?
    };
    Kind kind = Kind::Retry;
    // Findings: the cells the unit cannot hold as the set-up shows them, its text as A, what
    // the unit will hold as B. NotShown: the unit's value as A, the cell's text as B.
    std::vector<CellDifference> cells;
    // Findings: the checks' errors and warnings but those the cells above say.
    std::vector<Finding> findings;
    unsigned long unitDevice = 0;       // OtherDevice
    unsigned long setupDevice = 0;
    std::string port;                   // the port as it was given
    std::string setupPath;              // the set-up's file, empty when never saved
    std::string message;                // Retry: "Error to upload General data"
};

class IJobAnswerer {
public:
    virtual ~IJobAnswerer() = default;
    // Called on the job's thread. The job then waits for job.Answer(), from any thread, also
    // from within this call, or for job.Cancel().
    virtual void Ask(CUnitJob& job, const JobQuestion& question) = 0;
};

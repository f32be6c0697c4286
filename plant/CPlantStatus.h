// Where each unit of the plant stands, from its file and the log: its last upload and verify,
// whether its file changed since it was last uploaded, and one state a list can show.
#pragma once

#include "plant/CPlantLog.h"
#include "plant/CPlantSurvey.h"

#include <optional>
#include <vector>

enum class PlantUnitState {
    NeverChecked,   // no upload or verify in the log
    Holds,          // a verify, or a completed upload, of the file as it is now found the unit holding it
    Differs,        // the last verify found it differing
    FileChanged,    // the file is not the one last uploaded or verified
    FileMissing,    // the unit's file cannot be read
    PartlyWritten,  // the last upload wrote some blocks and did not complete
};

struct PlantUnitStatus {
    PlantUnitFile file;
    std::optional<PlantLogRecord> lastUpload;  // the last upload attempted, whatever its result
    std::optional<PlantLogRecord> lastVerify;  // the last verify that read the unit
    // Whether the file changed since its last completed upload; empty when it was never uploaded.
    std::optional<bool> changedSinceUpload;
    PlantUnitState state = PlantUnitState::NeverChecked;
    // The record the state stands on (its time: since when); none for NeverChecked.
    std::optional<PlantLogRecord> stateRecord;
};

class CPlantStatus {
public:
    // records: the plant log's, in the order written.
    static std::vector<PlantUnitStatus> Of(const CPlantSurvey& survey, const std::vector<PlantLogRecord>& records);
    // The state in words, as every list of the plant shows it: "holds its file", "differs in
    // 2 cells", "partly written (24 of 87 blocks)", "file changed", "file missing", "never checked".
    static std::string StateText(const PlantUnitStatus& status);
};

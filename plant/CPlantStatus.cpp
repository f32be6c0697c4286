// A unit's state from the newest records of its tag.
#include "plant/CPlantStatus.h"

std::vector<PlantUnitStatus> CPlantStatus::Of(const CPlantSurvey& survey, const std::vector<PlantLogRecord>& records)
{
    std::vector<PlantUnitStatus> statuses;
    for (const PlantUnitFile& file : survey.GetFiles()) {
        PlantUnitStatus status;
        status.file = file;
        const PlantLogRecord* uploaded = nullptr;  // the last completed upload
        const PlantLogRecord* checked = nullptr;   // the last record that says what the unit holds
        for (const PlantLogRecord& record : records) {
            if (record.tag != file.unit.tag)
                continue;
            if (record.action == PlantAction::Upload) {
                status.lastUpload = record;
                if (record.result == PlantResult::Ok)
                    uploaded = checked = &record;
            } else if (record.action == PlantAction::Verify
                       && (record.result == PlantResult::Ok || record.result == PlantResult::Differs)) {
                status.lastVerify = record;
                checked = &record;
            }
        }
        if (uploaded)
            status.changedSinceUpload = !file.readable || uploaded->sha256 != file.sha256;
        if (!file.readable)
            status.state = PlantUnitState::FileMissing;
        else if (!checked)
            status.state = PlantUnitState::NeverChecked;
        else if (checked->sha256 != file.sha256)
            status.state = PlantUnitState::FileChanged;
        else
            status.state = checked->result == PlantResult::Differs ? PlantUnitState::Differs : PlantUnitState::Holds;
        statuses.push_back(std::move(status));
    }
    return statuses;
}

const char* CPlantStatus::StateText(PlantUnitState state)
{
    switch (state) {
    case PlantUnitState::Holds: return "holds its file";
    case PlantUnitState::Differs: return "differs";
    case PlantUnitState::FileChanged: return "file changed";
    case PlantUnitState::FileMissing: return "file missing";
    case PlantUnitState::NeverChecked: break;
    }
    return "never checked";
}

// A unit's state from the newest records of its tag.
#include "plant/CPlantStatus.h"

#include "model/StringTable.h"

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
                else if (record.blocksWritten > 0)
                    checked = &record;  // whatever was known before, the unit now holds part of it
            } else if (record.action == PlantAction::Verify
                       && (record.result == PlantResult::Ok || record.result == PlantResult::Differs)) {
                status.lastVerify = record;
                checked = &record;
            }
        }
        if (uploaded)
            status.changedSinceUpload = !file.readable || uploaded->sha256 != file.sha256;
        if (checked)
            status.stateRecord = *checked;
        if (!file.readable)
            status.state = PlantUnitState::FileMissing;
        else if (!checked)
            status.state = PlantUnitState::NeverChecked;
        else if (checked->action == PlantAction::Upload && checked->result != PlantResult::Ok)
            status.state = PlantUnitState::PartlyWritten;
        else if (checked->sha256 != file.sha256)
            status.state = PlantUnitState::FileChanged;
        else
            status.state = checked->result == PlantResult::Differs ? PlantUnitState::Differs : PlantUnitState::Holds;
        statuses.push_back(std::move(status));
    }
    return statuses;
}

std::string CPlantStatus::StateText(const PlantUnitStatus& status)
{
    const PlantLogRecord* record = status.stateRecord ? &*status.stateRecord : nullptr;
    switch (status.state) {
    case PlantUnitState::Holds: return LoadString(IDS_STATE_HOLDS);
    case PlantUnitState::Differs:
        if (record && !record->cells.empty())
            return FormatString(record->cells.size() == 1 ? IDS_STATE_DIFFERS_CELL : IDS_STATE_DIFFERS_CELLS,
                                {std::to_string(record->cells.size())});
        return LoadString(IDS_STATE_DIFFERS);
    case PlantUnitState::FileChanged: return LoadString(IDS_STATE_FILE_CHANGED);
    case PlantUnitState::FileMissing: return LoadString(IDS_STATE_FILE_MISSING);
    case PlantUnitState::PartlyWritten:
        return FormatString(IDS_STATE_PARTLY_WRITTEN,
                            {std::to_string(record ? record->blocksWritten : 0), std::to_string(record ? record->blocksTotal : 0)});
    case PlantUnitState::NeverChecked: break;
    }
    return LoadString(IDS_STATE_NEVER_CHECKED);
}

// Each unit's state from its file and the log's records of its tag.
#include "PlantFixture.h"

#include "plant/CPlantStatus.h"

namespace {

using PlantStatus = PlantFixture;

TEST_F(PlantStatus, StatesFollowTheNewestRecordThatSaysWhatTheUnitHolds)
{
    MakeSetup("a.q4g", {{0, 3, 1, "3"}});
    CPlant plant(Path("p.q4plant"), "p");
    for (const char* tag : {"NEW", "UPLOADED", "EDITED", "DIFFERS", "FAILED", "GONE"})
        ASSERT_TRUE(plant.AddUnit({tag, tag == std::string("GONE") ? "gone.q4g" : "a.q4g", "", ""}));
    CPlantSurvey survey(plant);
    const std::string sha = survey.GetFiles()[0].sha256;
    const std::string old(64, '0');

    auto record = [](const char* tag, PlantAction action, PlantResult result, const std::string& sha256) {
        PlantLogRecord r;
        r.tag = tag;
        r.action = action;
        r.result = result;
        r.sha256 = sha256;
        return r;
    };
    const std::vector<PlantLogRecord> records = {
        record("UPLOADED", PlantAction::Backup, PlantResult::Ok, old),
        record("UPLOADED", PlantAction::Upload, PlantResult::Ok, sha),
        record("EDITED", PlantAction::Upload, PlantResult::Ok, old),
        record("EDITED", PlantAction::Identify, PlantResult::Named, sha),
        record("DIFFERS", PlantAction::Upload, PlantResult::Ok, sha),
        record("DIFFERS", PlantAction::Verify, PlantResult::Differs, sha),
        // A verify that could not read the unit says nothing of what it holds.
        record("FAILED", PlantAction::Verify, PlantResult::Ok, sha),
        record("FAILED", PlantAction::Verify, PlantResult::Failed, sha),
        record("FAILED", PlantAction::Upload, PlantResult::Stopped, sha),
        record("GONE", PlantAction::Upload, PlantResult::Ok, sha),
    };
    const std::tuple<PlantUnitState, std::optional<bool>, bool, bool> expected[] = {
        {PlantUnitState::NeverChecked, std::nullopt, false, false},
        {PlantUnitState::Holds, false, true, false},
        {PlantUnitState::FileChanged, true, true, false},
        {PlantUnitState::Differs, false, true, true},
        {PlantUnitState::Holds, std::nullopt, true, true},
        {PlantUnitState::FileMissing, true, true, false},
    };
    std::vector<PlantUnitStatus> statuses = CPlantStatus::Of(survey, records);
    ASSERT_EQ(statuses.size(), 6u);
    for (size_t i = 0; i < statuses.size(); ++i) {
        SCOPED_TRACE(statuses[i].file.unit.tag);
        const auto& [state, changed, uploaded, verified] = expected[i];
        EXPECT_EQ(statuses[i].state, state);
        EXPECT_EQ(statuses[i].changedSinceUpload, changed);
        EXPECT_EQ(statuses[i].lastUpload.has_value(), uploaded);
        EXPECT_EQ(statuses[i].lastVerify.has_value(), verified);
    }
    EXPECT_EQ(statuses[4].lastUpload->result, PlantResult::Stopped);  // the last attempted, as it ended
    EXPECT_EQ(statuses[4].lastVerify->result, PlantResult::Ok);
}

}  // namespace

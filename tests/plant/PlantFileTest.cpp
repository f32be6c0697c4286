// The plant file made, saved and read back; its refusals; each unit's file read on its own.
#include "PlantFixture.h"

#include "plant/CPlant.h"
#include "plant/CPlantChecks.h"
#include "plant/CPlantSurvey.h"

#include <fstream>
#include <iterator>

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using PlantFile = PlantFixture;

TEST_F(PlantFile, ThreeUnitsMadeSavedAndReadBack)
{
    MakeSetup("units/an-101.q4g", {{0, 3, 1, "3"}});
    MakeSetup("units/an-102.q4g", {{0, 3, 1, "4"}});
    CPlant plant(Path("works.q4plant"), "Water works \xC3\xA9");  // UTF-8 "é"
    // Files are kept relative to the plant's folder, however they were given.
    const std::tuple<std::string, std::string, std::string, std::string> units[] = {
        {"AN-101", Path("units/an-101.q4g"), "Pump hall", ""},
        {"AN-102", Path("units/../units/an-102.q4g"), "", "spare \"B\" bus"},
        {"AN-103", Path("elsewhere/an-103.q4g"), "Roof", "not made yet"},
    };
    for (const auto& [tag, file, location, note] : units) {
        q4::Status added = plant.AddUnit({tag, plant.RelativeFile(file), location, note});
        ASSERT_TRUE(added) << added.Reason();
    }
    q4::Status saved = plant.Save();
    ASSERT_TRUE(saved) << saved.Reason();

    CPlant read;
    q4::Status loaded = read.Load(Path("works.q4plant"));
    ASSERT_TRUE(loaded) << loaded.Reason();
    EXPECT_EQ(read.GetName(), "Water works \xC3\xA9");
    ASSERT_EQ(read.GetUnits().size(), 3u);
    const char* files[] = {"units/an-101.q4g", "units/an-102.q4g", "elsewhere/an-103.q4g"};
    for (size_t i = 0; i < 3; ++i) {
        const PlantUnit& unit = read.GetUnits()[i];
        EXPECT_EQ(std::tie(unit.tag, unit.location, unit.note),
                  std::tie(std::get<0>(units[i]), std::get<2>(units[i]), std::get<3>(units[i])));
        EXPECT_EQ(unit.file, files[i]);
    }
    EXPECT_EQ(read.FilePath(read.GetUnits()[0]), Path("units/an-101.q4g"));
    EXPECT_EQ(read.GetLogPath(), Path("works.q4plant.log"));
    EXPECT_EQ(read.GetBackupFolder("AN-102"), Path("backups/AN-102"));
    // Saved again, the text is the same byte for byte: a stable order of keys and units.
    const std::string first = ReadText(Path("works.q4plant"));
    ASSERT_TRUE(read.Save());
    EXPECT_EQ(ReadText(Path("works.q4plant")), first);
    EXPECT_LT(first.find("\"format\""), first.find("\"units\""));

    // The device number comes from each file; a missing file is said for its unit alone.
    CPlantSurvey survey(read);
    ASSERT_EQ(survey.GetFiles().size(), 3u);
    EXPECT_TRUE(survey.GetFiles()[0].readable);
    EXPECT_EQ(survey.GetFiles()[0].device, 3u);
    EXPECT_EQ(survey.GetFiles()[1].device, 4u);
    EXPECT_FALSE(survey.GetFiles()[2].readable);
    EXPECT_EQ(survey.GetFiles()[0].sha256.size(), 64u);
    EXPECT_NE(survey.GetFiles()[0].sha256, survey.GetFiles()[1].sha256);
    ASSERT_EQ(survey.Warnings().size(), 1u);
    EXPECT_EQ(survey.Warnings()[0].rfind("AN-103: cannot open " + Path("elsewhere/an-103.q4g"), 0), 0u)
        << survey.Warnings()[0];
}

TEST_F(PlantFile, UnitsSharingADeviceNumberAreAllowedAndNamed)
{
    MakeSetup("a.q4g", {{0, 3, 1, "5"}});
    MakeSetup("b.q4g", {{0, 3, 1, "5"}, {1, 1, 1, "10 V"}});
    MakeSetup("c.q4g", {{0, 3, 1, "6"}});
    CPlant plant(Path("p.q4plant"), "p");
    for (const auto& [tag, file] : {std::pair{"A", "a.q4g"}, {"B", "b.q4g"}, {"C", "c.q4g"}, {"D", "a.q4g"}})
        ASSERT_TRUE(plant.AddUnit({tag, file, "", ""}));
    CPlantSurvey survey(plant);
    EXPECT_EQ(survey.Warnings(), std::vector<std::string>{"A, B and D are all device 5"});
    EXPECT_EQ(survey.WithDevice(6).size(), 1u);
}

// The rules a unit's set-up checks leave out: kept in its line of the plant file only when there
// are some, changed with the unit, and applied when the plant's units are checked.
TEST_F(PlantFile, AUnitKeepsTheRulesItsChecksIgnore)
{
    // A 10 V input switched on and nothing else: its two flat scales (warnings), no alarm (a note).
    MakeSetup("a.q4g", {{1, 1, 1, "10 V"}});
    CPlant plant(Path("p.q4plant"), "p");
    ASSERT_TRUE(plant.AddUnit({"A", "a.q4g", "", "", {"flat-scale"}}));
    ASSERT_TRUE(plant.AddUnit({"B", "a.q4g", "", "", {}}));
    ASSERT_TRUE(plant.AddUnit({"C", "c.q4g", "", "", {"no-such-rule", "unwatched-input"}}));
    ASSERT_TRUE(plant.Save());
    const std::string text = ReadText(Path("p.q4plant"));
    EXPECT_NE(text.find("    {\"tag\": \"A\", \"file\": \"a.q4g\", \"ignore\": [\"flat-scale\"]},\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    {\"tag\": \"B\", \"file\": \"a.q4g\"},\n"), std::string::npos) << text;

    CPlant read;
    ASSERT_TRUE(read.Load(Path("p.q4plant")));
    EXPECT_EQ(read.GetUnits()[0].ignore, std::vector<std::string>{"flat-scale"});
    EXPECT_EQ(read.GetUnits()[2].ignore, (std::vector<std::string>{"no-such-rule", "unwatched-input"}));

    struct Expected {
        bool checked;
        int warnings;
        int notes;
        std::vector<std::string> unknown;
    };
    const Expected expected[] = {{true, 0, 1, {}}, {true, 2, 1, {}}, {false, 0, 0, {"no-such-rule"}}};
    std::vector<PlantUnitChecks> checks = CPlantChecks::Of(CPlantSurvey(read));
    ASSERT_EQ(checks.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(checks[i].file.unit.tag);
        EXPECT_EQ(checks[i].checked, expected[i].checked);
        EXPECT_EQ(checks[i].counts.errors, 0);
        EXPECT_EQ(checks[i].counts.warnings, expected[i].warnings);
        EXPECT_EQ(checks[i].counts.notes, expected[i].notes);
        EXPECT_EQ(checks[i].unknownRules, expected[i].unknown);
    }
    EXPECT_EQ(CPlantChecks::Total(checks).warnings, 2);
    // Rules left out for every unit besides its own (the desktop program's own ignores).
    checks = CPlantChecks::Of(CPlantSurvey(read), {"unwatched-input"});
    EXPECT_EQ(CPlantChecks::Total(checks).notes, 0);
    EXPECT_EQ(CPlantChecks::Total(checks).warnings, 2);

    // Changed: another unit's settings stay; an empty list drops the key again.
    PlantUnit changed = read.GetUnits()[0];
    changed.ignore.clear();
    changed.location = "Hall";
    ASSERT_TRUE(read.ReplaceUnit(changed));
    EXPECT_EQ(read.ReplaceUnit({"D", "d.q4g", "", "", {}}).Reason(), "the plant has no unit D");
    EXPECT_EQ(read.ReplaceUnit({"B", "", "", "", {}}).Reason(), "the unit B needs its .q4g file");
    ASSERT_TRUE(read.Save());
    const std::string again = ReadText(Path("p.q4plant"));
    EXPECT_NE(again.find("    {\"tag\": \"A\", \"file\": \"a.q4g\", \"location\": \"Hall\"},\n"), std::string::npos) << again;
    EXPECT_NE(again.find("\"ignore\": [\"no-such-rule\", \"unwatched-input\"]"), std::string::npos);
}

TEST_F(PlantFile, RefusesWhatIsNoPlant)
{
    CPlant plant(Path("p.q4plant"), "p");
    ASSERT_TRUE(plant.AddUnit({"AN-1", "a.q4g", "", ""}));
    const std::tuple<PlantUnit, const char*> units[] = {
        {{"AN-1", "b.q4g", "", ""}, "the plant has a unit AN-1 already"},
        {{"", "b.q4g", "", ""}, "a unit needs a tag"},
        {{"a/b", "b.q4g", "", ""}, "the tag a/b cannot name a folder (no \"/\", not \".\" or \"..\")"},
        {{"..", "b.q4g", "", ""}, "the tag .. cannot name a folder (no \"/\", not \".\" or \"..\")"},
        {{"AN-2", "", "", ""}, "the unit AN-2 needs its .q4g file"},
    };
    for (const auto& [unit, reason] : units) {
        q4::Status added = plant.AddUnit(unit);
        EXPECT_FALSE(added);
        EXPECT_EQ(added.Reason(), reason);
    }
    EXPECT_EQ(plant.GetUnits().size(), 1u);

    const std::pair<const char*, const char*> texts[] = {
        {"{\"format\": \"q4plant\", \"version\": 1, \"units\": [\n{\"tag\": \"A\", \"file\": \"a\"},\n"
         "{\"tag\": \"A\", \"file\": \"b\"}]}",
         "line 3 column 1: the plant has a unit A already"},
        {"{\"format\": \"q4plant\", \"version\": 2, \"units\": []}", "line 1 column 34: a plant file of version 2"},
        {"{\"format\": \"q4g\", \"version\": 1, \"units\": []}", "line 1 column 1: expected an object with \"format\""},
        {"{\"format\": \"q4plant\", \"version\": 1, \"units\": [{\"tag\": \"A\"}]}",
         "line 1 column 47: the object has no \"file\""},
        {"{\"format\": \"q4plant\", \"version\": 1, \"units\": [", "line 1 column 47: the text ends"},
        {"{\"format\": \"q4plant\", \"version\": 1, \"units\": [{\"tag\": \"A\", \"file\": \"a\", \"ignore\": \"shared-led\"}]}",
         "line 1 column 83: \"ignore\" must be an array of strings"},
        {"{\"format\": \"q4plant\", \"version\": 1, \"units\": [{\"tag\": \"A\", \"file\": \"a\", \"ignore\": [\"x\", 2]}]}",
         "line 1 column 89: \"ignore\" must be an array of strings"},
    };
    for (const auto& [text, reason] : texts) {
        std::ofstream(Path("bad.q4plant"), std::ios::binary | std::ios::trunc) << text;
        CPlant bad;
        q4::Status loaded = bad.Load(Path("bad.q4plant"));
        EXPECT_FALSE(loaded);
        const std::string head = Path("bad.q4plant") + " is no plant file: " + reason;
        EXPECT_EQ(loaded.Reason().substr(0, head.size()), head);
    }
}

}  // namespace

// The plant file made, saved and read back; its refusals; each unit's file read on its own.
#include "PlantFixture.h"

#include "plant/CPlant.h"
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
    for (const auto& [tag, file, location, note] : units)
        ASSERT_TRUE(plant.AddUnit({tag, plant.RelativeFile(file), location, note})) << plant.GetError();
    ASSERT_TRUE(plant.Save()) << plant.GetError();

    CPlant read;
    ASSERT_TRUE(read.Load(Path("works.q4plant"))) << read.GetError();
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
        EXPECT_FALSE(plant.AddUnit(unit));
        EXPECT_EQ(plant.GetError(), reason);
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
    };
    for (const auto& [text, reason] : texts) {
        std::ofstream(Path("bad.q4plant"), std::ios::binary | std::ios::trunc) << text;
        CPlant bad;
        EXPECT_FALSE(bad.Load(Path("bad.q4plant")));
        const std::string head = Path("bad.q4plant") + " is no plant file: " + reason;
        EXPECT_EQ(bad.GetError().substr(0, head.size()), head);
    }
}

}  // namespace

// Identifying the unit on the line against a plant: by device number alone, by the closest set-up
// where several units share the number, the ambiguous case, and a number no unit has.
#include "PlantFixture.h"

#include "plant/CUnitIdentifier.h"
#include "sim/CEmulatorServer.h"
#include "unit/CUnitImage.h"

namespace {

class Identify : public PlantFixture {
protected:
    void SetUp() override
    {
        PlantFixture::SetUp();
        ASSERT_TRUE(m_server.Start());
        m_plant = CPlant(Path("p.q4plant"), "p");
        // AN-2 and AN-3 share device 5 on different buses; AN-4 is a copy of AN-2's set-up.
        MakeSetup("an-1.q4g", {{0, 3, 1, "3"}});
        MakeSetup("an-2.q4g", {{0, 3, 1, "5"}, {1, 1, 1, "10 V"}, {1, 1, 6, "250"}});
        MakeSetup("an-3.q4g", {{0, 3, 1, "5"}, {1, 1, 1, "10 V"}, {1, 1, 6, "100"}, {1, 2, 1, "10 V"}});
        MakeSetup("an-4.q4g", {{0, 3, 1, "5"}, {1, 1, 1, "10 V"}, {1, 1, 6, "250"}});
        for (const char* tag : {"AN-1", "AN-2", "AN-3", "AN-4", "AN-5"}) {
            std::string file = tag;
            file = "an-" + file.substr(3) + ".q4g";  // AN-5's file is missing
            ASSERT_TRUE(m_plant.AddUnit({tag, file, "", ""}));
        }
    }

    // The emulated unit holds a set-up made by typing the edits into a default one.
    void Hold(const std::vector<CellEdit>& edits)
    {
        RecordingPrompt prompt;
        CQ4kUnit unit(prompt);
        unit.Initialize();
        for (const auto& [sheet, row, col, text] : edits)
            ASSERT_TRUE(unit.GetSetupType(sheet)->ValidateData(row, col, text)) << text;
        CUnitImage image = CUnitImage::FromUpload(unit, nullptr);
        const std::pair<CUnitEmulator::BlockSpace, int> places[4] = {{CUnitEmulator::BlockSpace::General, 0},
                                                                       {CUnitEmulator::BlockSpace::Input, 0},
                                                                       {CUnitEmulator::BlockSpace::Input, 24},
                                                                       {CUnitEmulator::BlockSpace::Alarm, 0}};
        for (int slot = 0; slot < 4; ++slot) {
            const auto& blocks = image.GetBlocks(slot);
            for (size_t b = 0; b < blocks.size(); ++b)
                ASSERT_TRUE(m_server.GetUnit().SetBlock(places[slot].first, places[slot].second + static_cast<int>(b),
                                                        blocks[b].data()));
        }
    }

    Identification Run(bool withPlant = true)
    {
        CPlantSurvey survey(m_plant);
        JobSettings settings;
        settings.port.port = m_server.GetSlavePath();
        settings.port.line.m_baudRate = 110;  // a long quiet time for a busy machine; the pty ignores it
        settings.port.fixedWaitMs = 1;
        CIdentifyJob job(withPlant ? &survey : nullptr, settings);
        return job.Run();
    }

    CEmulatorServer m_server;
    CPlant m_plant;
};

TEST_F(Identify, NamesTheUnitByItsDeviceNumberOrByItsCells)
{
    struct Case {
        const char* what;
        std::vector<CellEdit> held;
        PlantResult result;
        std::vector<std::string> tags;
        bool whole;
        int cells;
    };
    const Case cases[] = {
        // The number alone: the General blocks are all that is read.
        {"by number", {{0, 3, 1, "3"}, {1, 1, 1, "10 V"}}, PlantResult::Named, {"AN-1"}, false, 0},
        {"closest of two", {{0, 3, 1, "5"}, {1, 1, 1, "10 V"}, {1, 1, 6, "120"}, {1, 2, 1, "10 V"}},
         PlantResult::Named, {"AN-3"}, true, 1},
        {"equally close", {{0, 3, 1, "5"}, {1, 1, 1, "10 V"}, {1, 1, 6, "250"}}, PlantResult::Ambiguous,
         {"AN-2", "AN-4"}, true, 0},
        {"no such number", {{0, 3, 1, "9"}}, PlantResult::NotFound, {"AN-1"}, true, 1},
    };
    Identification found;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Hold(c.held);
        int before = m_server.GetRequestCount();
        found = Run();
        EXPECT_EQ(found.result, c.result) << found.reason;
        EXPECT_EQ(found.tags, c.tags);
        EXPECT_EQ(found.wholeUnitRead, c.whole);
        EXPECT_EQ(found.cellsDiffer, c.cells);
        EXPECT_EQ(m_server.GetRequestCount() - before, c.whole ? 8 + 87 : 8);
    }
    EXPECT_EQ(CUnitIdentifier::ClosestText(found), "closest: AN-1, 1 cell differs");

    // Without a plant the device number is the answer.
    Hold({{0, 3, 1, "12"}});
    Identification alone = Run(false);
    EXPECT_EQ(alone.result, PlantResult::Named);
    EXPECT_EQ(alone.device, 12u);
    EXPECT_TRUE(alone.tags.empty());
}

// The desktop reads the unit itself and names it in two steps: the number, then the blocks.
TEST_F(Identify, TheTwoStepsNameTheUnitWithoutALine)
{
    CPlantSurvey survey(m_plant);
    CUnitIdentifier identifier(&survey);
    Identification found;
    ASSERT_TRUE(identifier.ByDevice(3, found));
    EXPECT_EQ(std::tie(found.result, found.device, found.tags), std::make_tuple(PlantResult::Named, 3ul, std::vector<std::string>{"AN-1"}));
    EXPECT_FALSE(identifier.ByDevice(5, found));  // AN-2, AN-3 and AN-4
    EXPECT_FALSE(identifier.ByDevice(9, found));  // none

    RecordingPrompt prompt;
    CQ4kUnit unit(prompt);
    unit.Initialize();
    for (const auto& [sheet, row, col, text] : std::vector<CellEdit>{{0, 3, 1, "5"}, {1, 1, 1, "10 V"}, {1, 1, 6, "120"}, {1, 2, 1, "10 V"}})
        ASSERT_TRUE(unit.GetSetupType(sheet)->ValidateData(row, col, text));
    found = identifier.ByBlocks(5, CUnitImage::FromUpload(unit, nullptr));
    EXPECT_EQ(found.result, PlantResult::Named);
    EXPECT_EQ(found.tags, std::vector<std::string>{"AN-3"});
    EXPECT_EQ(CUnitIdentifier::ClosestText(found), "closest: AN-3, 1 cell differs");
}

TEST_F(Identify, AUnitThatDoesNotAnswerIsNoIdentification)
{
    CEmulatorServer::Fault fault{};
    ASSERT_TRUE(CEmulatorServer::ParseFault("silent:B:0", fault));
    m_server.AddFault(fault);
    Identification found = Run();
    EXPECT_EQ(found.result, PlantResult::Failed);
    EXPECT_EQ(found.reason, "the read of the unit failed: Error to download General data");
    CPlantSurvey survey(m_plant);
    PlantLogRecord record = CUnitIdentifier(&survey).Record(found, "/dev/ttyUSB0");
    EXPECT_EQ(std::tie(record.action, record.result, record.device), std::make_tuple(PlantAction::Identify, PlantResult::Failed, -1L));
}

}  // namespace

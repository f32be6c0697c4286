// A block that fails stops the transfer with the failed setup type's message; Retry runs the
// whole transfer again from General with the counter back at zero. One transfer runs with
// the unit's own 100 ms waits.
#include "TransferRig.h"

#include <algorithm>
#include <cstring>
#include <ostream>

namespace {

// An upload moves 13587 bytes when every General block is known from a write read back in the
// failed pass; each one that is not is read a second time (78 bytes).
constexpr uint32_t kUploadMoves = 13587;
constexpr uint32_t kDownloadMoves = 6786;

// moved: the bytes of the pass after Retry.
struct FaultCase { const char* name; int direction; const char* fault; int failed; const char* message; uint32_t moved; };

const FaultCase kFaultCases[] = {
    {"UploadSilentGeneral", 0, "silent:B:3", ST_GENERAL, "Error to upload General data", kUploadMoves + 5 * 78},
    {"UploadShortPhysical", 0, "short:@:5", ST_PHYSICAL, "Error to upload Physical Input data", kUploadMoves},
    {"UploadChecksumLogical", 0, "checksum:@:26", ST_LOGICAL, "Error to upload Logical Input data", kUploadMoves},
    {"UploadReadbackLastAlarm", 0, "readback:A:47", ST_ALARM, "Error to upload Alarm data", kUploadMoves},
    {"DownloadShortLastGeneral", 1, "short:B:7", ST_GENERAL, "Error to download General data", kDownloadMoves},
    {"DownloadSilentLastPhysical", 1, "silent:@:23", ST_PHYSICAL, "Error to download Physical Input data", kDownloadMoves},
    {"DownloadChecksumLastLogical", 1, "checksum:@:30", ST_LOGICAL, "Error to download Logical Input data", kDownloadMoves},
    {"DownloadSilentAlarm", 1, "silent:A:10", ST_ALARM, "Error to download Alarm data", kDownloadMoves},
};

void PrintTo(const FaultCase& c, std::ostream* out)
{
    *out << c.fault;
}

class FaultRetry : public TransferRig, public ::testing::WithParamInterface<FaultCase> {};

// Blocks the download must bring: IN 83 as a 24 V channel and alarm A86 on it with LED 5.
void PutDistinctBlocks(CUnitEmulator& unit)
{
    uint8_t physical[32] = {3};
    std::memcpy(physical + 28, "V   ", 4);
    unit.SetBlock(CUnitEmulator::BlockSpace::Input, 23, physical);
    uint8_t alarm[32] = {23, 0, 0, 0x20, 30, 0, 4, 14, 0};
    std::memcpy(alarm + 9, "ALARM 86  ", 10);
    unit.SetBlock(CUnitEmulator::BlockSpace::Alarm, 47, alarm);
    PutConstant(unit, 3, 42);
}

TEST_P(FaultRetry, FailsTheBlockThenRetryCompletesFromGeneral)
{
    const FaultCase& c = GetParam();
    if (c.direction == 0)
        m_server.GetUnit().Reset(true);
    else
        PutDistinctBlocks(m_server.GetUnit());
    AddFault(c.fault);
    m_observer.m_answers = {true};

    TransferRun run = Run(m_unit, static_cast<TransferDirection>(c.direction));
    EXPECT_EQ(run.result.end, TransferEnd::Completed);
    EXPECT_EQ(m_observer.Asked(), std::vector<std::string>{c.message});

    // The failed pass up to the failed setup type, then a whole pass from General.
    std::vector<std::string> titles(kAllTitles.begin(), kAllTitles.begin() + c.failed + 1);
    titles.insert(titles.end(), kAllTitles.begin(), kAllTitles.end());
    // A General failure and its retry show as one stretch of "General".
    titles.erase(std::unique(titles.begin(), titles.end()), titles.end());
    EXPECT_EQ(run.titles, titles);
    EXPECT_EQ(run.result.bytesMoved, c.moved);

    if (c.direction == 0) {
        EXPECT_EQ(m_server.GetUnit().SaveText(), CUnitEmulator().SaveText());
    } else {
        EXPECT_EQ(m_unit.GetSetupType(ST_GENERAL)->GetCellText(3, 1), "42");
        EXPECT_EQ(m_unit.GetSetupType(ST_PHYSICAL)->GetCellText(24, 1), "24 V");
        EXPECT_EQ(m_unit.GetSetupType(ST_ALARM)->GetCellText(48, CAlarm::COL_INPREF), "IN 83");
        EXPECT_EQ(m_unit.GetSetupType(ST_ALARM)->GetCellText(48, CAlarm::COL_LED), "5");
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultRetry, ::testing::ValuesIn(kFaultCases),
                         [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

// The one transfer with the unit's own waits: a download of the factory set-up.
TEST_F(TransferRig, DefaultDownloadWithTheUnitsWaitsTakesItsTimeAndStopsShortOfTheTotal)
{
    Connect(CSerialLink::FIXED_WAIT_MS);
    TransferRun run = Run(m_unit, TransferDirection::Download);
    EXPECT_EQ(run.result.end, TransferEnd::Completed);
    EXPECT_EQ(m_observer.Asked(), std::vector<std::string>{});
    EXPECT_GE(run.seconds, 8.7);
    EXPECT_EQ(run.total, 6864u);
    EXPECT_EQ(run.result.bytesMoved, kDownloadMoves);
    EXPECT_LT(run.maxSeen, run.total);

    CQ4kUnit fresh(m_prompt);
    fresh.Initialize();
    SetupTexts expected = AllTexts(fresh);
    expected["General 14/1"] = " 0";  // a hysteresis of 0 as the unit reports it
    EXPECT_EQ(AllTexts(m_unit), expected);
}

}  // namespace

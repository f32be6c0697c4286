// What the core spends on the user's and the unit's operations: making a unit, loading and
// saving a full set-up, one accepted edit with its cascades on each sheet, a pasted alarm sheet,
// filling and taking apart all 87 blocks, and the set-up checks of a full set-up.
#include "FullSetup.h"

#include "check/CSetupChecker.h"
#include "model/CDocumentFile.h"
#include "unit/CQuietPrompt.h"
#include "unit/CUnitImage.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// Every question answered OK, as by a user who goes ahead with the change.
class COkPrompt : public IMessagePrompt {
public:
    int Show(const std::string&, Buttons, bool) override { return IDOK; }
};

// A unit with the full set-up typed in; aborts when the set-up is refused, so that no figure
// is taken of a set-up smaller than meant.
void MakeFull(CQ4kUnit& unit)
{
    unit.Initialize();
    if (!CSetupTyping::Type(unit, FullSetupTexts(unit)).empty())
        std::abort();
}

void MakeDefaultUnit(benchmark::State& state)
{
    CQuietPrompt prompt;
    for (auto _ : state) {
        CQ4kUnit unit(prompt);
        unit.Initialize();
        benchmark::DoNotOptimize(unit.GetSetupType(ST_ALARM));
    }
}
BENCHMARK(MakeDefaultUnit)->Unit(benchmark::kMicrosecond);

void SaveFullSetup(benchmark::State& state)
{
    CQuietPrompt prompt;
    CQ4kUnit unit(prompt);
    MakeFull(unit);
    for (auto _ : state)
        benchmark::DoNotOptimize(CDocumentFile::SaveBytes(unit));
}
BENCHMARK(SaveFullSetup)->Unit(benchmark::kMicrosecond);

void LoadFullSetup(benchmark::State& state)
{
    CQuietPrompt prompt;
    CQ4kUnit unit(prompt);
    MakeFull(unit);
    const std::vector<uint8_t> bytes = CDocumentFile::SaveBytes(unit);
    CDocumentFile file;
    for (auto _ : state) {
        if (!file.LoadBytes(unit, bytes, "full"))
            std::abort();
    }
}
BENCHMARK(LoadFullSetup)->Unit(benchmark::kMicrosecond);

// One edit that another sheet reacts to, typed alternately with two texts so that each
// iteration changes the set-up.
void EditWithCascades(benchmark::State& state, int sheet, int row, int col, const char* first, const char* second)
{
    COkPrompt prompt;
    CQ4kUnit unit(prompt);
    MakeFull(unit);
    CNordaSetupType& type = *unit.GetSetupType(sheet);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        if (!type.ValidateData(row, col, flip ? first : second))
            std::abort();
    }
}
BENCHMARK_CAPTURE(EditWithCascades, General_DeviceNumber, ST_GENERAL, 3, 1, "33", "12")->Unit(benchmark::kMicrosecond);
// A new input type resets the input's alarms and logical inputs: the heaviest edit.
BENCHMARK_CAPTURE(EditWithCascades, Physical_InpTp, ST_PHYSICAL, 1, 1, "10 V", "20 mA")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(EditWithCascades, Physical_LCDUp, ST_PHYSICAL, 1, 6, "300", "250")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(EditWithCascades, Logical_Input, ST_LOGICAL, 1, 1, "IN 21", "IN 11")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(EditWithCascades, Alarm_SetPoint, ST_ALARM, 1, 4, "10", "5")->Unit(benchmark::kMicrosecond);

void PasteAlarmSheet(benchmark::State& state)
{
    CQuietPrompt prompt;
    CQ4kUnit full(prompt);
    MakeFull(full);
    std::vector<CellText> alarms = CSetupTyping::TextsOf(full, ST_ALARM);
    CQ4kUnit unit(prompt);
    for (auto _ : state) {
        state.PauseTiming();
        unit.CopyFrom(full);
        unit.GetSetupType(ST_ALARM)->Initialize();
        state.ResumeTiming();
        CSetupTyping::Type(unit, alarms);
    }
}
BENCHMARK(PasteAlarmSheet)->Unit(benchmark::kMicrosecond);

void FillAllBlocks(benchmark::State& state)
{
    CQuietPrompt prompt;
    CQ4kUnit unit(prompt);
    MakeFull(unit);
    for (auto _ : state)
        benchmark::DoNotOptimize(CUnitImage::FromUpload(unit, nullptr));
}
BENCHMARK(FillAllBlocks)->Unit(benchmark::kMicrosecond);

void TakeAllBlocksApart(benchmark::State& state)
{
    CQuietPrompt prompt;
    CQ4kUnit unit(prompt);
    MakeFull(unit);
    const CUnitImage image = CUnitImage::FromUpload(unit, nullptr);
    for (auto _ : state)
        image.TakeApartInto(unit);
}
BENCHMARK(TakeAllBlocksApart)->Unit(benchmark::kMicrosecond);

// The checks the desktop program runs after every step: every rule over a full set-up.
void CheckFullSetup(benchmark::State& state)
{
    CQuietPrompt prompt;
    CQ4kUnit unit(prompt);
    MakeFull(unit);
    size_t findings = 0;
    for (auto _ : state) {
        std::vector<Finding> found = CSetupChecker::Check(unit);
        findings = found.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(CheckFullSetup)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

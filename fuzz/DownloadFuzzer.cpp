// Fuzz target of a download: any contents of the unit's 87 blocks (General 8, physical inputs
// 24, logical inputs 7, alarms 48; shorter inputs padded with zeros) are taken apart and
// validated by a fresh set-up in transfer order, as a download does, without a port. The
// set-up left behind must save, load into a fresh unit and save the same bytes again, but for
// the one change the document reader makes by design: an item of exactly 0xDF "C" (the LCD's
// degree sign, as a downloaded alarm text may hold it) is read as "\xB0C".
#include "model/CArchive.h"
#include "setup/alarms/CAlarm.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"
#include "unit/CUnitImage.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr size_t BLOCK = CNordaSetupType::BLOCK_LEN;
constexpr size_t ALL_BLOCKS = 8 + 24 + 7 + 48;

std::vector<uint8_t> Save(CQ4kUnit& unit)
{
    CArchive out;
    unit.Serialize(out);
    return out.GetBuffer();
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// The memory as the unit's blocks, in transfer order.
CUnitImage ToImage(CQ4kUnit& unit, const std::vector<uint8_t>& memory)
{
    CUnitImage image;
    const uint8_t* next = memory.data();
    for (int t = 0; t < 4; ++t) {
        for (int b = 0; b < unit.GetSetupType(t)->GetNumBlocks(); ++b, next += BLOCK) {
            CUnitImage::Block block;
            std::memcpy(block.data(), next, BLOCK);
            image.GetBlocks(t).push_back(block);
        }
    }
    return image;
}

// What the document reader turns the items of every cell into.
void AsTheReaderReadsIt(CQ4kUnit& unit)
{
    std::vector<CNdChnData*> cells;
    for (int t = 0; t < 4; ++t) {
        CDataSheet* sheet = unit.GetSetupType(t)->GetSheet();
        for (int s = 0; s < sheet->GetNumSections(); ++s) {
            for (int c = 0; c < sheet->GetNumCells(s); ++c)
                cells.push_back(sheet->GetProperty(s, c));
        }
    }
    auto* alarm = dynamic_cast<CAlarm*>(unit.GetSetupType(ST_ALARM));
    for (int k = 0; k < CAlarm::ALARM_CHANNELS; ++k) {
        for (int i = 0; i < CAlarm::ALARM_FLAGS; ++i)
            cells.push_back(alarm->GetFlagCell(k, i));
    }
    for (CNdChnData* cell : cells) {
        for (std::string& item : cell->GetData()) {
            if (item == "\xDF" "C")
                item = "\xB0" "C";
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > ALL_BLOCKS * BLOCK)
        return -1;
    std::vector<uint8_t> memory(ALL_BLOCKS * BLOCK, 0);
    if (size)
        std::memcpy(memory.data(), data, size);

    CQuietPrompt prompt;
    std::vector<uint8_t> saved;
    std::vector<uint8_t> expected;
    {
        CQ4kUnit unit(prompt);
        unit.Initialize();
        ToImage(unit, memory).TakeApartInto(unit);
        saved = Save(unit);
        AsTheReaderReadsIt(unit);
        expected = Save(unit);
    }
    CQ4kUnit loaded(prompt);
    loaded.Initialize();
    try {
        CArchive in(saved);
        loaded.Serialize(in);
    } catch (const CArchiveException& e) {
        std::fprintf(stderr, "%s\n", e.what());
        Fail("a downloaded set-up does not load again");
    }
    if (Save(loaded) != expected)
        Fail("a downloaded set-up saves differently after loading");
    return 0;
}

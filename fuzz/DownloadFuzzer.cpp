// Fuzz target of a download: any contents of the unit's 87 blocks (General 8, physical inputs
// 24, logical inputs 7, alarms 48; shorter inputs padded with zeros) are taken apart and
// validated in transfer order by a set-up at its defaults, as a download does, without a port.
// The set-up left behind must save, load into a unit at its defaults and save the same bytes
// again, but for the one change the document reader makes by design: an item of exactly 0xDF
// "C" (the LCD's degree sign, as a downloaded alarm text may hold it) is read as "\xB0C".
// What the set-up cannot show as held is named, and once uploaded it is what the unit holds:
// its upload downloaded and uploaded again writes the same blocks, and names nothing but values
// shown as held that the sheets refuse typed.
#include "compare/CHeldCells.h"
#include "model/CArchive.h"
#include "setup/alarms/CAlarm.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"
#include "unit/CUnitImage.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr size_t BLOCK = CNordaSetupType::BLOCK_LEN;
constexpr size_t ALL_BLOCKS = 8 + 24 + 7 + 48;

std::vector<uint8_t> Save(CQ4kUnit& unit)
{
    CArchive out;
    unit.Serialize(out);
    return std::move(out).GetBuffer();
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

// What the document reader turns the items of every cell into; false when that is nothing.
bool AsTheReaderReadsIt(CQ4kUnit& unit)
{
    bool changed = false;
    auto read = [&changed](CNdChnData* cell) {
        for (std::string& item : cell->GetData()) {
            if (item == "\xDF" "C") {
                item = "\xB0" "C";
                changed = true;
            }
        }
    };
    for (int t = 0; t < 4; ++t) {
        CDataSheet* sheet = unit.GetSetupType(t)->GetSheet();
        for (int s = 0; s < sheet->GetNumSections(); ++s) {
            for (int c = 0; c < sheet->GetNumCells(s); ++c)
                read(sheet->GetProperty(s, c));
        }
    }
    auto* alarm = dynamic_cast<CAlarm*>(unit.GetSetupType(ST_ALARM));
    for (int k = 0; k < CAlarm::ALARM_CHANNELS; ++k) {
        for (int i = 0; i < CAlarm::ALARM_FLAGS; ++i)
            read(alarm->GetFlagCell(k, i));
    }
    return changed;
}

// Made once, returned to their defaults for every input.
struct Rig {
    CQuietPrompt prompt;
    CQ4kUnit unit{prompt};
    CQ4kUnit loaded{prompt};
    CQ4kUnit again{prompt};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > ALL_BLOCKS * BLOCK)
        return -1;
    std::vector<uint8_t> memory(ALL_BLOCKS * BLOCK, 0);
    if (size)
        std::memcpy(memory.data(), data, size);

    static Rig rig;
    CQ4kUnit& unit = rig.unit;
    CQ4kUnit& loaded = rig.loaded;
    unit.Initialize();
    const CUnitImage held = ToImage(unit, memory);
    held.TakeApartInto(unit);
    CHeldCells::NotShownAsHeld(unit, held);
    const CUnitImage uploaded = CUnitImage::FromUpload(unit, &held);
    CQ4kUnit& again = rig.again;
    again.Initialize();
    uploaded.TakeApartInto(again);
    if (CUnitImage::FromUpload(again, &uploaded) != uploaded)
        Fail("a downloaded set-up's upload comes back otherwise from a download");
    for (const CellDifference& cell : CHeldCells::NotShownAsHeld(again, uploaded)) {
        if (cell.textA != cell.textB)
            Fail("a downloaded set-up's upload holds a value its download cannot show");
    }
    CArchive in(Save(unit));
    const std::vector<uint8_t>& saved = in.GetBuffer();
    const std::vector<uint8_t> changed = AsTheReaderReadsIt(unit) ? Save(unit) : std::vector<uint8_t>();
    loaded.Initialize();
    try {
        loaded.Serialize(in);
    } catch (const CArchiveException& e) {
        std::fprintf(stderr, "%s\n", e.what());
        Fail("a downloaded set-up does not load again");
    }
    if (Save(loaded) != (changed.empty() ? saved : changed))
        Fail("a downloaded set-up saves differently after loading");
    return 0;
}

// Fuzz target of the document reader: any bytes are loaded into a unit returned to its
// defaults. Loading must fail cleanly or succeed; a set-up that loads must save, load again and
// save the same bytes. Its texts the unit cannot hold are named, each with the file's own text,
// and verify of a unit holding the blocks its upload writes counts exactly those cells.
#include "compare/CSetupComparison.h"
#include "compare/CUnitVerification.h"
#include "model/CDocumentFile.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"
#include "unit/CUnitImage.h"
#include "unit/CellSweep.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Made once: every load returns the unit to its defaults first, as opening a file does.
struct Rig {
    CQuietPrompt prompt;  // nobody answers while a file is read: questions are cancelled
    CQ4kUnit unit{prompt};
    CDocumentFile file;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Rig rig;
    CQ4kUnit& unit = rig.unit;
    CDocumentFile& file = rig.file;
    if (!file.LoadBytes(unit, std::vector<uint8_t>(data, data + size), "input"))
        return 0;
    const std::vector<CellDifference> named = CSetupComparison::NotHeldExactly(unit);
    for (const CellDifference& cell : named) {
        if (cell.textA != CellTextOf(unit, cell.sheet, cell.row, cell.col, cell.flag)) {
            std::fprintf(stderr, "a cell the unit cannot hold is named with another text than the file's\n");
            std::abort();
        }
    }
    const CUnitVerification verification(unit, CUnitImage::FromUpload(unit, nullptr));
    if (!verification.GetBlocksDiffering().empty() || verification.GetDifferences().size() != named.size()) {
        std::fprintf(stderr, "verify of the file's own upload counts other cells than those named\n");
        std::abort();
    }
    std::vector<uint8_t> saved = CDocumentFile::SaveBytes(unit);
    if (q4::Status loaded = file.LoadBytes(unit, saved, "saved"); !loaded) {
        std::fprintf(stderr, "a saved set-up does not load: %s\n", loaded.Reason().c_str());
        std::abort();
    }
    if (CDocumentFile::SaveBytes(unit) != saved) {
        std::fprintf(stderr, "a saved set-up saves differently after loading\n");
        std::abort();
    }
    return 0;
}

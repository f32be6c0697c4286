// Fuzz target of the document reader: any bytes are loaded into a unit returned to its
// defaults. Loading must fail cleanly or succeed; a set-up that loads must save, load again and
// save the same bytes.
#include "model/CDocumentFile.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"

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
    std::vector<uint8_t> saved = CDocumentFile::SaveBytes(unit);
    if (!file.LoadBytes(unit, saved, "saved")) {
        std::fprintf(stderr, "a saved set-up does not load: %s\n", file.GetError().c_str());
        std::abort();
    }
    if (CDocumentFile::SaveBytes(unit) != saved) {
        std::fprintf(stderr, "a saved set-up saves differently after loading\n");
        std::abort();
    }
    return 0;
}

// Fuzz target of import: any text is read as JSON or CSV and typed into a set-up at its
// defaults, questions answered OK, as import does. Text it refuses must be refused cleanly.
// Whatever it takes must export as JSON and as CSV that read back as exactly the set-up's cell
// texts, and that typed into another default set-up give the same set-up again, but for the
// cells this second import names.
#include "cli/CCliError.h"
#include "cli/CExportCommand.h"
#include "cli/CImportCommand.h"
#include "compare/CSetupComparison.h"
#include "compare/CSetupTyping.h"
#include "model/IMessagePrompt.h"
#include "unit/CQ4kUnit.h"
#include "unit/CUnitImage.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Import answers every question OK and its messages are of no interest here.
class CAnswerOk : public IMessagePrompt {
public:
    int Show(const std::string&, Buttons, bool) override { return IDOK; }
};

struct Rig {
    CAnswerOk prompt;
    CQ4kUnit imported{prompt};
    CQ4kUnit again{prompt};
};

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

auto Key(const CellText& cell)
{
    return std::tie(cell.sheet, cell.row, cell.flag, cell.col, cell.text);
}

std::vector<CellText> Sorted(std::vector<CellText> texts)
{
    std::sort(texts.begin(), texts.end(), [](const CellText& a, const CellText& b) { return Key(a) < Key(b); });
    return texts;
}

std::string Describe(const CellText& cell)
{
    return std::to_string(cell.sheet) + (cell.flag ? " flag " : " ") + std::to_string(cell.row) + " "
           + std::to_string(cell.col) + " \"" + cell.text + "\"";
}

// The cell texts an export in one format reads back as; each must be the set-up's own.
std::vector<CellText> ExportAndRead(CQ4kUnit& unit, bool csv, const std::vector<CellText>& own)
{
    const char* format = csv ? "CSV" : "JSON";
    std::ostringstream text;
    CExportCommand::Write(unit, csv, text);
    std::vector<CellText> read;
    try {
        read = Sorted(CImportCommand::ReadTexts(text.str(), unit));
    } catch (const CCliError& e) {
        Fail(std::string("the ") + format + " export does not read back: " + e.what());
    }
    for (size_t i = 0; i < std::max(read.size(), own.size()); ++i) {
        if (i >= read.size() || i >= own.size() || Key(read[i]) != Key(own[i]))
            Fail(std::string("the ") + format + " export reads back as " + (i < read.size() ? Describe(read[i]) : "nothing")
                 + " where the set-up holds " + (i < own.size() ? Describe(own[i]) : "nothing"));
    }
    return read;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Rig rig;
    CQ4kUnit& imported = rig.imported;
    imported.Initialize();
    std::vector<CellText> texts;
    try {
        texts = CImportCommand::ReadTexts(std::string(data, data + size), imported);
    } catch (const CCliError&) {
        return 0;
    }
    CSetupTyping::Type(imported, std::move(texts));

    const std::vector<CellText> own = Sorted(CSetupTyping::TextsOf(imported, -1));
    ExportAndRead(imported, false, own);
    std::vector<CellText> exported = ExportAndRead(imported, true, own);

    CQ4kUnit& again = rig.again;
    again.Initialize();
    std::set<std::tuple<int, int, int, bool>> named;
    for (const TypingRefusal& refusal : CSetupTyping::Type(again, std::move(exported)))
        named.insert({refusal.cell.sheet, refusal.cell.row, refusal.cell.col, refusal.cell.flag});
    for (const CellDifference& d : CSetupComparison::Compare(imported, again)) {
        if (!named.count({d.sheet, d.row, d.col, d.flag}))
            Fail("imported again, " + std::to_string(d.sheet) + (d.flag ? " flag " : " ") + std::to_string(d.row) + " "
                 + std::to_string(d.col) + " holds \"" + d.textB + "\" instead of \"" + d.textA
                 + "\" and import does not say so");
    }
    if (named.empty() && !(CUnitImage::FromUpload(imported, nullptr) == CUnitImage::FromUpload(again, nullptr)))
        Fail("imported again without a refusal, the set-up uploads other blocks");
    return 0;
}

// Naming the values a download could not show as the unit holds them.
#include "compare/CHeldCells.h"

#include "compare/CSetupComparison.h"
#include "model/StringTable.h"
#include "unit/CQ4kUnit.h"
#include "unit/CUnitImage.h"
#include "unit/CellSweep.h"

#include <algorithm>

std::vector<CellDifference> CHeldCells::NotShownAsHeld(CQ4kUnit& unit, const CUnitImage& held)
{
    std::vector<CellDifference> cells;
    // Where the blocks an upload of the set-up writes differ from those held, the values of
    // the two tell which cells show another value than the unit's.
    const CUnitImage written = CUnitImage::FromUpload(unit, &held);
    for (int slot = 0; slot < 4; ++slot) {
        const CNordaSetupType* type = unit.GetSetupType(slot);
        const auto& have = held.GetBlocks(slot);
        const auto& out = written.GetBlocks(slot);
        for (size_t b = 0; type && b < std::min(have.size(), out.size()); ++b) {
            if (have[b] == out[b])
                continue;
            const std::vector<HeldValue> heldValues = type->DescribeBlock(static_cast<int>(b), have[b].data());
            const std::vector<HeldValue> shownValues = type->DescribeBlock(static_cast<int>(b), out[b].data());
            for (size_t i = 0; i < heldValues.size() && i < shownValues.size(); ++i) {
                const HeldValue& value = heldValues[i];
                if (value.text == shownValues[i].text)
                    continue;
                const bool unused = !value.flag && value.col == 0;
                CellDifference cell = CSetupComparison::Name(
                    unit, slot, value.row, value.col, value.flag, value.text,
                    unused ? shownValues[i].text : CellTextOf(unit, slot, value.row, value.col, value.flag));
                if (unused)
                    cell.reason = LoadString(IDS_HELD_UNUSED_BYTES);
                else if (CNordaSetupType::IsCodeText(value.text))
                    cell.reason = LoadString(IDS_HELD_UNKNOWN_CODE);
                cells.push_back(std::move(cell));
            }
        }
    }
    std::sort(cells.begin(), cells.end(), CellOrder);

    // Values shown as held that a person could not type.
    std::vector<CellDifference> refused;
    SweepCells(unit, unit, [&](const SweptCell& cell) {
        const CNordaSetupType* type = unit.GetSetupType(cell.sheet);
        if (cell.flag || cell.row < 1 || !type || type->GetNumberKind(cell.row, cell.col) == NumberKind::None)
            return;
        std::string reason = type->RefusalOfHeld(cell.row, cell.col);
        if (reason.empty())
            return;
        const std::string& text = cell.a->GetDataAsString();
        CellDifference named = CSetupComparison::Name(unit, cell.sheet, cell.row, cell.col, false, text, text);
        named.reason = std::move(reason);
        refused.push_back(std::move(named));
    });
    MergeCells(cells, std::move(refused));
    return cells;
}

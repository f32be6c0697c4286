// Does the unit hold a set-up? What an upload of the document would leave in the unit (its
// blocks, the constants the document does not hold merged from the unit's) against the blocks
// the unit sent, and the cells behind the blocks that differ; and the document's cells whose
// text the unit cannot hold exactly, even where the blocks agree ("12x" held as 12). Numbers
// the unit writes its own way (" 0" for "0", "0.300" for "0.3") are no difference.
#pragma once

#include "compare/CellDifference.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"
#include "unit/CUnitImage.h"

#include <string>
#include <utility>
#include <vector>

class CUnitVerification {
public:
    // held: the unit's blocks as a completed download read them.
    CUnitVerification(CQ4kUnit& document, const CUnitImage& held);

    bool UnitHoldsSetup() const { return m_blocksDiffering.empty() && m_differences.empty(); }
    // The cells that differ: the document's own text (A) against what the unit holds (B).
    const std::vector<CellDifference>& GetDifferences() const { return m_differences; }
    // Blocks that differ, as (setup type slot, block number).
    const std::vector<std::pair<int, int>>& GetBlocksDiffering() const { return m_blocksDiffering; }
    const CUnitImage& GetExpected() const { return m_expected; }
    // The unit's set-up as read from its blocks.
    const CQ4kUnit& GetHeldUnit() const { return m_heldUnit; }

private:
    CQuietPrompt m_prompt;
    CUnitImage m_expected;
    CQ4kUnit m_heldUnit;
    std::vector<CellDifference> m_differences;
    std::vector<std::pair<int, int>> m_blocksDiffering;
};

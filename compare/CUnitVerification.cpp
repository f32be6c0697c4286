// Comparing a document with the unit through the blocks an upload would write.
#include "compare/CUnitVerification.h"

#include "compare/CSetupComparison.h"
#include "unit/CellSweep.h"

#include <algorithm>

CUnitVerification::CUnitVerification(CQ4kUnit& document, const CUnitImage& held)
    : m_expected(CUnitImage::FromUpload(document, &held)), m_heldUnit(m_prompt)
{
    for (int slot = 0; slot < 4; ++slot) {
        const auto& want = m_expected.GetBlocks(slot);
        const auto& have = held.GetBlocks(slot);
        for (size_t b = 0; b < std::max(want.size(), have.size()); ++b) {
            if (b >= want.size() || b >= have.size() || want[b] != have[b])
                m_blocksDiffering.emplace_back(slot, static_cast<int>(b));
        }
    }
    m_heldUnit.Initialize();
    held.TakeApartInto(m_heldUnit);
    if (!m_blocksDiffering.empty()) {
        CQ4kUnit uploaded(m_prompt);
        uploaded.Initialize();
        m_expected.TakeApartInto(uploaded);
        // Shown with the document's own text, which is what its owner typed. A cell whose own
        // text the unit holds alike is no difference to show (a delay of an alarm the unit has
        // off reads back as typed): the cells beside it say why its block differs.
        for (CellDifference& difference : CSetupComparison::Compare(uploaded, m_heldUnit, true)) {
            std::string own = CellTextOf(document, difference.sheet, difference.row, difference.col, difference.flag);
            if (CSetupComparison::SameInUnit(document.GetSetupType(difference.sheet), own,
                                             m_heldUnit.GetSetupType(difference.sheet), difference.textB,
                                             difference.row, difference.col, difference.flag))
                continue;
            difference.textA = std::move(own);
            m_differences.push_back(std::move(difference));
        }
    }
    // A text the unit cannot hold exactly differs from the unit even where the blocks agree.
    MergeCells(m_differences, CSetupComparison::NotHeldExactly(document));
}
